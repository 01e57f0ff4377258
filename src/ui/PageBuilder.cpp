#include "PageBuilder.h"

#include <QTabWidget>

#include "VarWidget.h"
#include "VarsTab.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

namespace {

void addRows(VarsTab& view, const QList<VarsUI::Item>& items, VarsRegistry& registry)
{
    for (const VarsUI::Item& item : items) {
        switch (item.kind) {
        case VarsUI::ItemKind::Space:
            view.addSpacer();
            break;
        case VarsUI::ItemKind::GroupStart:
            view.beginGroup(item.text, item.folded, item.uid);
            break;
        case VarsUI::ItemKind::GroupEnd:
            view.endGroup();
            break;
        case VarsUI::ItemKind::Variable:
            if (item.info->noUitype)
                break;
            auto* row = new VarWidget(item.info, registry, view.rowParent());
            view.addRow(row);
            registry.registerRow(&view, row);
            break;
        }
    }
    view.finish();
}

} // namespace

PageBuilder::PageBuilder(VarsRegistry& registry, QTabWidget& tabs) : m_registry(registry), m_tabs(tabs)
{}

void PageBuilder::build(VarsUI& model)
{
    m_registry.build(model.infos(), model.attrs());
    if (m_firstPageIndex < 0)
        m_firstPageIndex = m_tabs.count();
    int at = m_firstPageIndex + int(m_views.size());
    for (const VarsUI::Page& page : model.pages()) {
        auto* view = new VarsTab(page.title, page.titleLower, page.section, page.uid);
        QList<VarUiInfoPtr> rowInfos;
        for (const VarsUI::Item& item : page.items) {
            if (item.kind == VarsUI::ItemKind::Variable && !item.info->noUitype)
                rowInfos.append(item.info);
        }
        view->deferRows(std::move(rowInfos), [items = page.items, &registry = m_registry](VarsTab& view) {
            addRows(view, items, registry);
        });
        const int index = m_tabs.insertTab(at++, view, page.title);
        view->setIndex(index);
        if (page.hidden)
            m_tabs.setTabVisible(index, false);
        m_views.append(view);
    }
}
