#pragma once

#include <QList>

// What the registry needs of a row on a page: which variables concern it and how to redraw it.
// The rows themselves are widgets; this keeps the registry free of them.
class VarRow
{
public:
    virtual ~VarRow() = default;
    // Ids whose change must refresh the row.
    virtual QList<int> ids() const = 0;
    // Redirect candidates that the row's reverse and source selectors watch.
    virtual QList<int> watchedIds() const = 0;
    virtual void refresh() = 0;
};
