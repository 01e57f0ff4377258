#pragma once

#include <QValidator>

#include "VarEditor.h"

class QLineEdit;

// A one-line editor for numbers, texts and single characters. What the user types stays until the
// editing finishes, whatever the device reports meanwhile.
class LineVarEditor : public VarEditor
{
    Q_OBJECT
public:
    // Refuses texts whose UTF-8 form is longer than the limit (no limit at 0 or less).
    class Utf8MaxValidator : public QValidator
    {
    public:
        static constexpr int DefaultLimit = 47;

        explicit Utf8MaxValidator(QObject* parent = nullptr);
        State validate(QString& input, int& pos) const override;
        int limit() const { return m_limit; }
        void setLimit(int limit) { m_limit = limit; }

    private:
        int m_limit = DefaultLimit;
    };

    LineVarEditor(VarUiInfoPtr info, const VARS& vars, QWidget* parent = nullptr);

    void setValue(const VarRecord& record) override;

    QLineEdit* lineEdit() const { return m_edit; }
    bool isModified() const { return m_modified; }

private:
    void onTextEdited();
    void onEditingFinished();

    QLineEdit* m_edit;
    Utf8MaxValidator* m_utf8 = nullptr;
    QString m_shown;
    bool m_modified = false;
};
