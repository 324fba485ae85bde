#pragma once

#include "own_materials.h"

#include <QDialog>
#include <QLocale>

#include <array>
#include <functional>
#include <vector>

class QLineEdit;

// The form for one of the user's own materials, numbers in the user's notation. "OK" checks the row
// and hands it to `save`; the form closes only once it was saved. When a check or the save fails,
// the message names the field or the file and the form stays open with what was typed.
class MaterialEditor : public QDialog {
    Q_OBJECT

  public:
    // Throws UserError when the row cannot be saved.
    using Saver = std::function<void(const Material&)>;
    // `others` are the own rows the name must differ from (the shipped ones are checked anyway).
    MaterialEditor(QWidget* parent, const Material& start, std::vector<Material> others,
                   const QLocale& locale, Saver save);

    void accept() override;

  private:
    std::vector<Material> others_;
    Saver save_;
    QLocale locale_;
    std::array<QLineEdit*, MaterialFieldCount> fields_{};
};
