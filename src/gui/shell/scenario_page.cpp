#include "gui/shell/scenario_page.h"

#include "app/planner.h"
#include "gui/commands/event_actions.h"
#include "gui/help/help_button.h"
#include "gui/shell/text_list_model.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace finplan::gui {

namespace {

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

ScenarioPage::ScenarioPage(Planner& planner, EventActions& events, int line, QWidget* parent)
    : QWidget(parent)
    , m_events(events) {
    setObjectName(QStringLiteral("scenarioPage"));
    m_model = new TextListModel(this);
    m_model->setLines(planner.scenarioList());
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("scenarioList"));
    m_view->setModel(m_model);
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* hint = new QLabel(QStringLiteral("Double click an event to edit."), this);
    hint->setObjectName(QStringLiteral("scenarioHint"));
    auto* add = makeButton("Add", "addButton", this);
    auto* edit = makeButton("Edit", "editButton", this);
    auto* copy = makeButton("Copy", "copyButton", this);
    auto* remove = makeButton("Delete", "deleteButton", this);
    auto* help = makeButton("Help", "helpButton", this);
    connectHelpButton(*help, helpTopicForDialog("eventlist"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addStretch(1);
    for (QPushButton* button : {add, edit, copy, remove, help}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);

    // The line is read when the button is pressed: the request may make this page anew.
    connect(add, &QPushButton::clicked, this, [this] { m_events.addEvent(); });
    connect(edit, &QPushButton::clicked, this, [this] {
        if (const int chosen = selectedLine(); chosen >= 0) {
            m_events.editLine(chosen);
        }
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        if (const int chosen = selectedLine(); chosen >= 0) {
            m_events.copyLine(chosen);
        }
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const int chosen = selectedLine(); chosen >= 0) {
            m_events.deleteLine(chosen);
        }
    });
    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { m_events.editLine(index.row()); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Q_EMIT selectedLineChanged(current.row()); });
    selectLine(line);
}

int ScenarioPage::selectedLine() const {
    const QModelIndexList chosen = m_view->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.front().row();
}

void ScenarioPage::selectLine(int line) {
    if (line < 0 || m_model->rowCount() == 0) {
        return;
    }
    const QModelIndex index = m_model->index(std::min(line, m_model->rowCount() - 1), 0);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

} // namespace finplan::gui
