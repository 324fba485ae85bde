#include "material_editor.h"

#include "form_layout.h"
#include "modal.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

const char* const fieldNames[MaterialFieldCount] = {"name",       "heat",       "flux",
                                                    "heatSource", "fluxSource", "note"};

} // namespace

MaterialEditor::MaterialEditor(QWidget* parent, const Material& start, std::vector<Material> others,
                               const QLocale& locale, Saver save)
    : QDialog(parent), others_(std::move(others)), save_(std::move(save)), locale_(locale)
{
    setObjectName(QStringLiteral("MaterialEditor"));
    setWindowTitle(QStringLiteral("Собственный материал"));
    auto* form = new QFormLayout(this);
    const MaterialTexts texts = materialTexts(start, locale);
    for (int field = 0; field < MaterialFieldCount; ++field) {
        fields_[field] = new QLineEdit(texts[field], this);
        nameControl(fields_[field], QString::fromLatin1(fieldNames[field]), materialFieldName(field));
        form->addRow(materialFieldName(field) + u':', fields_[field]);
    }
    fields_[FluxField]->setToolTip(
        QStringLiteral("Пусто, если критическая плотность теплового потока неизвестна"));
    fields_[NameField]->setMinimumWidth(fields_[NameField]->fontMetrics().averageCharWidth() * 50);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &MaterialEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MaterialEditor::reject);
}

void MaterialEditor::accept()
{
    MaterialTexts texts;
    for (int field = 0; field < MaterialFieldCount; ++field)
        texts[field] = fields_[field]->text();
    Material edited;
    try {
        edited = materialFromTexts(texts, locale_);
        checkMaterial(edited, others_);
    } catch (const MaterialProblem& problem) {
        showCritical(this, windowTitle(), problem.message() + QStringLiteral("\nЗапись не сохранена."));
        fields_[problem.field()]->setFocus();
        return;
    }
    try {
        save_(edited);
    } catch (const UserError& error) {
        showCritical(this, windowTitle(), error.message() + QStringLiteral("\nЗапись не сохранена."));
        return;
    }
    QDialog::accept();
}
