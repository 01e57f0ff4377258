#pragma once

#include <cstdint>

#include <QList>

#include "vars/VarUiInfo.h"

class QTabWidget;
class VarsRegistry;
class VarsTab;
class VarsUI;

// Turns the page model into page views on the main tab widget, after the tabs already there. A view
// gets its rows, each registered with the registry, when it is first needed, so that the program
// starts without building pages nobody opens. Installed as the model's assembler.
class PageBuilder
{
public:
    PageBuilder(VarsRegistry& registry, QTabWidget& tabs);

    void build(VarsUI& model);

    const QList<VarsTab*>& pageViews() const { return m_views; }

private:
    VarsRegistry& m_registry;
    QTabWidget& m_tabs;
    int m_firstPageIndex = -1;
    QList<VarsTab*> m_views;
};
