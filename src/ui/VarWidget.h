#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

#include "vars/VarRow.h"
#include "vars/VarUiInfo.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class VarEditor;
class VarsRegistry;

// One variable of a page: its name, its value editor and, where the page asks for them, redirect
// selectors and an inversion box. Every change goes to the registry, which writes it to the device.
class VarWidget : public QWidget, public VarRow
{
    Q_OBJECT
public:
    VarWidget(VarUiInfoPtr info, VarsRegistry& registry, QWidget* parent = nullptr);

    void refresh() override;
    QList<int> ids() const override;
    QList<int> watchedIds() const override;

    int labelWidthHint() const;
    void setLabelWidth(int width);
    void setRowBackground(const QColor& color);
    // Marks the row as a search match; the stripe comes back when it is cleared.
    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

    const VarUiInfo& info() const { return *m_info; }
    // A number row, which can be plotted.
    bool isPlottable() const;
    int deviceId() const { return m_info->deviceId(); }
    VarEditor* editor() const { return m_editor; }
    QLabel* nameLabel() const { return m_name; }
    QComboBox* redirSelector() const { return m_redir; }
    QComboBox* sourceSelector() const { return m_source; }
    QCheckBox* inversionBox() const { return m_inv; }
    // The device holds no value for the row (it refused the variable or never answered for it).
    bool isAvailable() const { return m_available; }
    // Changed on the device since the settings were last loaded or saved to flash.
    bool isUnsaved() const { return m_unsaved; }

private:
    void buildNormal();
    // Numeric rows offer to plot their variable.
    void addPlotAction();
    void buildThreeWay();
    void placeEditor(bool readOnly);
    QComboBox* makeSelector(const QStringList& groups, QList<int>& candidateIds);
    QLabel* arrow(bool left);
    void fillBackground(const QColor& color);
    void showRedirect(QComboBox* selector, const QList<int>& candidateIds, bool reverse, uint16_t redir);
    void setAvailable(bool available);
    void setUnsaved(bool unsaved);
    void updateToolTip();
    void updateNameFont();
    // Screen readers announce a control by its own name: the row's label stands beside the editor, not in it.
    void nameControls(const QString& description);
    // The name as the label shows it, with "not available" where the device has no value for the row.
    QString shownName() const;

    VarUiInfoPtr m_info;
    VarsRegistry& m_registry;
    QGridLayout* m_grid;
    QLabel* m_name = nullptr;
    int m_nameWidth = 0; // widest line of the name
    VarEditor* m_editor = nullptr;
    bool m_editable = false;
    QCheckBox* m_inv = nullptr;
    QComboBox* m_redir = nullptr; // the redirect selector, or the target selector of a three-way row
    QList<int> m_redirIds;
    QComboBox* m_source = nullptr; // three-way rows only
    QList<int> m_sourceIds;
    bool m_available = true;
    bool m_unsaved = false;
    QColor m_background; // the stripe; invalid: the page's own background
    bool m_highlighted = false;
};
