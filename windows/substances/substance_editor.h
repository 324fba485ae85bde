#pragma once

#include "substance.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <functional>
#include <span>

class QComboBox;
class QLineEdit;

// The form for one of the user's own substances: every column of the table, numbers in the user's
// notation. "OK" checks the row and hands it to `save`; the dialog closes only once it was saved.
// When a check or the save fails, the message names the field or the file and the form stays open
// with the typed row.
class SubstanceEditor : public QDialog {
    Q_OBJECT

  public:
    // Throws UserError when the row cannot be saved.
    using Saver = std::function<void(const Substance&)>;
    // `others` are the rows the name must differ from (the shipped and the other own rows).
    SubstanceEditor(QWidget* parent, const Substance& start, std::span<const Substance> others,
                    const QLocale& locale, Saver save);

    // The checked row, after the dialog was accepted.
    const Substance& substance() const { return substance_; }

    void accept() override;

  private:
    std::span<const Substance> others_;
    Saver save_;
    QLocale locale_;
    Substance substance_;
    std::array<QLineEdit*, SubstanceColumnCount> fields_{};
    QComboBox* kind_ = nullptr;
};
