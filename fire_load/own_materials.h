#pragma once

#include "materials.h"
#include "shared_table_file.h"
#include "user_error.h"

#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// The user's own materials, kept in ownMaterialsPath() and shared by every running copy of the
// program: each change reads the file again under a lock, applies that one change and writes the
// result whole. A file with damaged lines is renamed aside and its sound rows take its place.

enum MaterialField {
    NameField,
    HeatField,
    FluxField,
    HeatSourceField,
    FluxSourceField,
    NoteField,
    MaterialFieldCount
};
using MaterialTexts = std::array<QString, MaterialFieldCount>;

// The field's caption in the form and in messages ("Qн, МДж/кг").
QString materialFieldName(int field);

// A row that cannot be saved; the message reads "Поле «Qн, МДж/кг»: <reason>".
class MaterialProblem : public UserError {
  public:
    MaterialProblem(int field, const QString& reason);
    int field() const { return field_; }

  private:
    int field_;
};

// The form's texts of a row and back, numbers in `locale`'s notation. Throws MaterialProblem.
MaterialTexts materialTexts(const Material& material, const QLocale& locale);
Material materialFromTexts(const MaterialTexts& texts, const QLocale& locale);

// The checks of the shipped table's rows, and the name differs from every row of `others` (case
// ignored). Numbers must read back from the file as they are. Throws MaterialProblem.
void checkMaterial(const Material& material, const std::vector<Material>& others);

// `damage`: empty, or what went wrong with the file, naming it.
using OwnMaterials = SharedRows<Material>;
using OwnMaterialChange = std::function<void(std::vector<Material>& rows)>;

OwnMaterials loadOwnMaterials(const QString& path);
// Throws UserError naming the file or the field when nothing was written; the file is then as it was.
OwnMaterials changeOwnMaterials(const QString& path, const OwnMaterialChange& change);

// The changes of the materials window, checked against the shipped and the other own rows. Each
// throws when the rows no longer allow it (a name taken or a row removed meanwhile by another copy).
void addOwnMaterial(std::vector<Material>& rows, const Material& added);
void replaceOwnMaterial(std::vector<Material>& rows, const QString& name, const Material& edited);
void removeOwnMaterial(std::vector<Material>& rows, const QString& name);
