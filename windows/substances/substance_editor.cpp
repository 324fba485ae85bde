#include "substance_editor.h"

#include "form_layout.h"
#include "modal.h"
#include "substance_checks.h"
#include "substance_table.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

// Field names for tests and assistive technology, in column order.
const char* const fieldNames[SubstanceColumnCount] = {
    "name", "synonyms", "formula", "kind",  "M",      "nC",  "nH",   "nO",      "nX",   "A",     "B",
    "Ca",   "tmin",     "tmax",    "tboil", "tflash", "lfl", "heat", "density", "pmax", "source"};

} // namespace

SubstanceEditor::SubstanceEditor(QWidget* parent, const Substance& start, std::span<const Substance> others,
                                 const QLocale& locale, Saver save)
    : QDialog(parent), others_(others), save_(std::move(save)), locale_(locale), substance_(start)
{
    setObjectName(QStringLiteral("SubstanceEditor"));
    setWindowTitle(QStringLiteral("Собственное вещество"));
    auto* form = new QFormLayout(this);
    const SubstanceTexts texts = textsOf(start, locale);
    for (int column = 0; column < SubstanceColumnCount; ++column) {
        const QString name = QString::fromLatin1(fieldNames[column]);
        if (column == KindColumn) {
            kind_ = new QComboBox(this);
            kind_->addItems({kindText(SubstanceKind::Gas), kindText(SubstanceKind::FlammableLiquid),
                             kindText(SubstanceKind::CombustibleLiquid)});
            kind_->setCurrentText(texts[column]);
            nameControl(kind_, name, columnDescription(column));
            form->addRow(columnDescription(column), kind_);
            continue;
        }
        fields_[column] = new QLineEdit(texts[column], this);
        nameControl(fields_[column], name, columnDescription(column));
        if (column == SynonymsColumn)
            fields_[column]->setToolTip(QStringLiteral("Синонимы разделяются знаком |"));
        form->addRow(columnDescription(column), fields_[column]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SubstanceEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SubstanceEditor::reject);
}

void SubstanceEditor::accept()
{
    SubstanceTexts texts;
    for (int column = 0; column < SubstanceColumnCount; ++column)
        texts[column] = column == KindColumn ? kind_->currentText() : fields_[column]->text();
    try {
        Substance edited = substanceFromTexts(texts, locale_);
        edited.own = true;
        checkSubstance(edited);
        checkWritesExactly(edited);
        checkNameIsNew(edited, others_);
        substance_ = edited;
    } catch (const SubstanceProblem& problem) {
        showCritical(this, windowTitle(), problem.message() + QStringLiteral("\nЗапись не сохранена."));
        if (QLineEdit* field = fields_[problem.column()])
            field->setFocus();
        return;
    }
    try {
        if (save_)
            save_(substance_);
    } catch (const UserError& error) {
        showCritical(this, windowTitle(), error.message() + QStringLiteral("\nЗапись не сохранена."));
        return;
    }
    QDialog::accept();
}
