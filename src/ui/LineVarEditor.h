#pragma once

#include <QValidator>

#include "VarEditor.h"

class QLabel;
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
    void clearValue() override;
    QString rangeText() const override;

    QLineEdit* lineEdit() const { return m_edit; }
    bool isModified() const { return m_modified; }
    // The bytes typed against the limit, shown while a text is edited.
    QLabel* byteCount() const { return m_bytes; }

private:
    void onTextEdited();
    void onEditingFinished();
    void endEditing();
    // The integers an integer row takes: those the variable holds as the device gave it.
    bool integerLimits(qint64* min, qint64* max) const;

    QLineEdit* m_edit;
    Utf8MaxValidator* m_utf8 = nullptr;
    QLabel* m_bytes = nullptr;
    QString m_shown;
    bool m_modified = false;
    bool m_typeRange = false; // the last record shown holds an integer
    qint64 m_min = 0;
    qint64 m_max = 0;
};
