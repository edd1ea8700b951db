#include "gui/shell/results_page.h"

#include "app/planner.h"
#include "gui/help/help_button.h"
#include "gui/platform/file_chooser.h"
#include "gui/shell/banding.h"
#include "gui/shell/command_ids.h"
#include "gui/shell/schedule_delegate.h"
#include "gui/shell/schedule_model.h"
#include "gui/shell/schedule_view.h"
#include "model/command_line.h"
#include "results/text_format.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace finplan::gui {

namespace {

constexpr int kAgeFieldLength = 5;

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

std::optional<QColor> scheduleBand(const Planner& planner) {
    if (planner.settings().screenBanding == 0) {
        return std::nullopt;
    }
    return bandColor(bandingVariant(planner.settings().switches));
}

} // namespace

ResultsPage::ResultsPage(Planner& planner, FileChooser& files, QWidget* parent)
    : QWidget(parent)
    , m_planner(planner)
    , m_files(files) {
    setObjectName(QStringLiteral("resultsPage"));
    m_model = new ScheduleModel(planner.output().schedule, this);
    m_view = new ScheduleView(this);
    m_view->setObjectName(QStringLiteral("scheduleList"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new ScheduleDelegate(scheduleBand(planner), m_view));

    auto* top = makeButton("Top", "topButton", this);
    auto* bottom = makeButton("Bottom", "bottomButton", this);
    auto* goTo = makeButton("Go To", "goToButton", this);
    m_ageField = new QLineEdit(this);
    m_ageField->setObjectName(QStringLiteral("ageField"));
    m_ageField->setMaxLength(kAgeFieldLength);
    m_ageField->setFixedWidth(
        m_ageField->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    m_ageField->setToolTip(QStringLiteral("Age to go to"));
    m_detailed = new QCheckBox(QStringLiteral("Show detailed results"), this);
    m_detailed->setObjectName(QStringLiteral("detailedResultsBox"));
    m_detailed->setChecked(planner.switches().detailedResults);
    m_accounts = new QCheckBox(QStringLiteral("Show accounts"), this);
    m_accounts->setObjectName(QStringLiteral("showAccountsBox"));
    m_accounts->setChecked(planner.switches().accountSummary);

    auto* runAgain = makeButton("Run Again", "runAgainButton", this);
    auto* save = makeButton("Save", "saveButton", this);
    auto* print = makeButton("Print", "printButton", this);
    auto* help = makeButton("Help", "helpButton", this);
    auto* randomAccounts =
        makeButton("Run with random account rates", "randomAccountRatesButton", this);
    auto* randomGroups = makeButton("Run with random group rates", "randomGroupRatesButton", this);
    auto* editInitial =
        makeButton("Edit inital values and run again", "editInitialValuesButton", this);
    connectHelpButton(*help, helpTopicForContext(515));

    auto* moves = new QHBoxLayout;
    moves->addWidget(top);
    moves->addWidget(bottom);
    moves->addSpacing(8);
    moves->addWidget(goTo);
    moves->addWidget(m_ageField);
    moves->addStretch(1);
    moves->addWidget(save);
    moves->addWidget(print);
    moves->addWidget(help);

    auto* switches = new QHBoxLayout;
    switches->addWidget(m_detailed);
    switches->addSpacing(12);
    switches->addWidget(m_accounts);
    switches->addStretch(1);
    switches->addWidget(editInitial);

    auto* runs = new QHBoxLayout;
    runs->addWidget(runAgain);
    runs->addWidget(randomAccounts);
    runs->addWidget(randomGroups);
    runs->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addLayout(moves);
    layout->addLayout(switches);
    layout->addLayout(runs);

    connect(top, &QPushButton::clicked, this, [this] {
        m_planner.showFirstLine();
        positionList();
    });
    connect(bottom, &QPushButton::clicked, this, [this] {
        m_planner.showLastLine();
        positionList();
    });
    connect(goTo, &QPushButton::clicked, this, &ResultsPage::goTo);
    connect(m_ageField, &QLineEdit::returnPressed, this, &ResultsPage::goTo);
    connect(m_detailed, &QCheckBox::clicked, this,
            [this] { runAndRefresh(&Planner::toggleDetailedResults); });
    connect(m_accounts, &QCheckBox::clicked, this,
            [this] { runAndRefresh(&Planner::toggleAccountSummary); });
    connect(runAgain, &QPushButton::clicked, this, [this] { runAndRefresh(&Planner::runAgain); });
    connect(randomAccounts, &QPushButton::clicked, this,
            [this] { runAndRefresh(&Planner::runWithRandomAccountRates); });
    connect(randomGroups, &QPushButton::clicked, this,
            [this] { runAndRefresh(&Planner::runWithRandomGroupRates); });
    connect(save, &QPushButton::clicked, this, &ResultsPage::saveResults);
    connect(print, &QPushButton::clicked, this,
            [this] { Q_EMIT commandRequested(command::PrintResults); });
    connect(editInitial, &QPushButton::clicked, this,
            [this] { Q_EMIT commandRequested(command::InitialValues); });
    connect(m_view, &QAbstractItemView::doubleClicked, this, &ResultsPage::lineDoubleClicked);

    m_planner.run();
    refresh();
}

void ResultsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The list knows its height only now.
    positionList();
}

void ResultsPage::runAndRefresh(bool (Planner::*action)()) {
    (m_planner.*action)();
    // The check boxes always say what the next run will show.
    m_detailed->setChecked(m_planner.switches().detailedResults);
    m_accounts->setChecked(m_planner.switches().accountSummary);
    refresh();
}

void ResultsPage::refresh() {
    m_model->reload();
    positionList();
}

void ResultsPage::positionList() {
    const int line = m_planner.lineToShow();
    if (line < 0) {
        return;
    }
    const QModelIndex index = m_model->index(line, 0);
    switch (m_planner.scrollMode()) {
    case ScrollMode::First:
        m_view->scrollToTop();
        break;
    case ScrollMode::Last:
        m_view->scrollToBottom();
        break;
    case ScrollMode::ChosenAge:
        // From the bottom up, so that the age's line comes to the top of the list.
        m_view->scrollToBottom();
        m_view->scrollTo(index, QAbstractItemView::PositionAtTop);
        m_view->setCurrentIndex(index);
        break;
    }
}

void ResultsPage::goTo() {
    if (m_planner.goToAge(m_ageField->text().toStdString())) {
        positionList();
    }
}

void ResultsPage::lineDoubleClicked(const QModelIndex& index) {
    const LineChoice choice = m_planner.chooseLine(index.row());
    if (choice.kind == LineChoice::Kind::TotalsLine) {
        m_ageField->setText(QString::fromStdString(formatText("%3d", choice.value)));
        positionList();
    } else if (choice.kind == LineChoice::Kind::EventLine) {
        Q_EMIT eventEditRequested(choice.value);
    }
}

void ResultsPage::saveResults() {
    FileRequest request;
    request.title = "Save Results To A File";
    request.filters = {"Result Files (*.SCH)"};
    request.defaultExtension = "sch";
    request.mode = FileRequest::Mode::Save;
    request.confirmOverwrite = true;
    if (const auto name = m_files.choose(request)) {
        m_planner.saveResults(*name);
    }
}

} // namespace finplan::gui
