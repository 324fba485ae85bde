#include "materials_window.h"

#include "form_layout.h"
#include "material_editor.h"
#include "modal.h"
#include "numbers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString caption = QStringLiteral("Материалы пожарной нагрузки");

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

std::vector<Material> ownRowsOf(const std::vector<Material>& rows, const QString& except = {})
{
    std::vector<Material> own;
    std::ranges::copy_if(rows, std::back_inserter(own),
                         [&except](const Material& row) { return row.own && row.name != except; });
    return own;
}

} // namespace

Materials::Materials(QWidget* opener, const QLocale& locale)
    : ChildWindow(opener, QStringLiteral("Materials"), caption, 0, 0), locale_(locale)
{
    buildControls();
    connect(list, &QTableWidget::currentCellChanged, this, &Materials::list_Change);
    connect(add, &QPushButton::clicked, this, &Materials::add_Click);
    connect(edit, &QPushButton::clicked, this, &Materials::edit_Click);
    connect(remove, &QPushButton::clicked, this, &Materials::remove_Click);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    OwnMaterials loaded = loadOwnMaterials(ownMaterialsPath());
    shown_ = shippedMaterials();
    shown_.insert(shown_.end(), loaded.rows.begin(), loaded.rows.end());
    showRows();
    if (!loaded.damage.isEmpty())
        showCritical(this, caption, loaded.damage);
}

void Materials::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    list = new QTableWidget(0, MaterialFieldCount - 1, this);
    nameControl(list, QStringLiteral("list"), QStringLiteral("Материалы"));
    list->setHorizontalHeaderLabels({materialFieldName(NameField), materialFieldName(HeatField),
                                     materialFieldName(FluxField), materialFieldName(HeatSourceField),
                                     materialFieldName(FluxSourceField)});
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(list, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](QPushButton*& member, const char* name, const QString& text) {
        member = new QPushButton(text, this);
        nameControl(member, QString::fromLatin1(name), text);
        member->setAutoDefault(false);
        buttons->addWidget(member);
    };
    button(add, "add", QStringLiteral("Добавить…"));
    button(edit, "edit", QStringLiteral("Изменить…"));
    button(remove, "remove", QStringLiteral("Удалить"));
    buttons->addStretch();
    button(close_, "close", QStringLiteral("Закрыть"));
    layout->addLayout(buttons);
    chainTabOrder({list, add, edit, remove, close_});
    resize(1000, 560);
}

// The row of the given name becomes current, or the first row.
void Materials::showRows(const QString& selectName)
{
    const QSignalBlocker blocker(list);
    list->setRowCount(int(shown_.size()));
    int selected = 0;
    for (int row = 0; row < int(shown_.size()); ++row) {
        const Material& m = shown_[row];
        const MaterialTexts texts = materialTexts(m, locale_);
        list->setItem(row, 0, cell(m.own ? m.name + QStringLiteral(" (свое)") : m.name));
        for (int field = HeatField; field < NoteField; ++field) {
            list->setItem(row, field, cell(texts[field]));
            list->item(row, field)->setToolTip(texts[field]); // a long source is cut short in its column
        }
        list->item(row, 0)->setToolTip(m.note);
        if (m.own && m.name == selectName)
            selected = row;
    }
    list->resizeColumnsToContents();
    for (int field : {HeatSourceField, FluxSourceField})
        list->setColumnWidth(field, std::min(list->columnWidth(field), 240));
    list->setCurrentCell(shown_.empty() ? -1 : selected, 0);
    list_Change();
}

const Material* Materials::current() const
{
    const int row = list->currentRow();
    return row >= 0 && row < int(shown_.size()) ? &shown_[row] : nullptr;
}

void Materials::list_Change()
{
    const Material* m = current();
    edit->setEnabled(m && m->own);
    remove->setEnabled(m && m->own);
}

void Materials::add_Click()
{
    MaterialEditor editor(this, Material{}, ownRowsOf(shown_), locale_, [this](const Material& added) {
        changeOwn([&added](std::vector<Material>& own) { addOwnMaterial(own, added); }, added.name);
    });
    execModal(editor);
}

void Materials::edit_Click()
{
    const Material* m = current();
    if (!m || !m->own)
        return;
    const QString name = m->name;
    MaterialEditor editor(this, *m, ownRowsOf(shown_, name), locale_, [this, &name](const Material& edited) {
        changeOwn([&](std::vector<Material>& own) { replaceOwnMaterial(own, name, edited); }, edited.name);
    });
    execModal(editor);
}

void Materials::remove_Click()
{
    const Material* m = current();
    if (!m || !m->own)
        return;
    try {
        changeOwn([name = m->name](std::vector<Material>& own) { removeOwnMaterial(own, name); }, {});
    } catch (const UserError& error) {
        showCritical(this, caption, error.message());
    }
}

// Applied to the file as it is now, so rows another running copy added meanwhile are kept; the list
// then shows what the file holds. Throws UserError when nothing was written.
void Materials::changeOwn(const OwnMaterialChange& change, const QString& selectName)
{
    OwnMaterials written = changeOwnMaterials(ownMaterialsPath(), change);
    shown_ = shippedMaterials();
    shown_.insert(shown_.end(), written.rows.begin(), written.rows.end());
    showRows(selectName);
    emit ownChanged();
    if (!written.damage.isEmpty())
        showCritical(this, caption, written.damage);
}
