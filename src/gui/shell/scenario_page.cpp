#include "gui/shell/scenario_page.h"

#include "app/planner.h"
#include "gui/shell/text_list_model.h"

#include <QListView>
#include <QVBoxLayout>

namespace finplan::gui {

ScenarioPage::ScenarioPage(Planner& planner, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("scenarioPage"));
    m_model = new TextListModel(this);
    m_model->setLines(planner.scenarioList());
    m_view = new QListView(this);
    m_view->setObjectName(QStringLiteral("scenarioList"));
    m_view->setModel(m_model);
    m_view->setUniformItemSizes(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

} // namespace finplan::gui
