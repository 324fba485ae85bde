#pragma once

#include "substance.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <span>

class QComboBox;
class QLineEdit;

// The form for one of the user's own substances: every column of the table, numbers in the user's
// notation. "OK" keeps the dialog open and names the field when the row fails a check, so that a
// row that fails is never saved.
class SubstanceEditor : public QDialog {
    Q_OBJECT

  public:
    // `others` are the rows the name must differ from (the shipped and the other own rows).
    SubstanceEditor(QWidget* parent, const Substance& start, std::span<const Substance> others,
                    const QLocale& locale);

    // The checked row, after the dialog was accepted.
    const Substance& substance() const { return substance_; }

    void accept() override;

  private:
    std::span<const Substance> others_;
    QLocale locale_;
    Substance substance_;
    std::array<QLineEdit*, SubstanceColumnCount> fields_{};
    QComboBox* kind_ = nullptr;
};
