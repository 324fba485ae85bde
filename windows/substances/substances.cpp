#include "substances.h"

#include "form_layout.h"
#include "modal.h"
#include "numbers.h"
#include "own_substances.h"
#include "substance_editor.h"
#include "substance_search.h"
#include "substance_table.h"
#include "user_error.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString caption = QStringLiteral("Справочник веществ");
const QString ownMark = QStringLiteral(" (свое)");

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

Substances::Substances(QWidget* opener, const CalculationState& state, const QLocale& locale)
    : ChildWindow(opener, QStringLiteral("Substances"), caption, 11700, 8400), state_(state), locale_(locale)
{
    buildControls();
    connect(search, &QLineEdit::textChanged, this, &Substances::search_Change);
    connect(list, &QTableWidget::currentCellChanged, this, &Substances::list_Change);
    connect(apply, &QPushButton::clicked, this, &Substances::apply_Click);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(add, &QPushButton::clicked, this, &Substances::add_Click);
    connect(edit, &QPushButton::clicked, this, &Substances::edit_Click);
    connect(remove, &QPushButton::clicked, this, &Substances::remove_Click);

    OwnSubstances loaded = loadOwnSubstances(ownSubstancesPath());
    own_ = std::move(loaded.rows);
    showRows();
    if (!loaded.damage.isEmpty())
        showCritical(this, caption, loaded.damage);
}

void Substances::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(QStringLiteral("Поиск по наименованию, синониму или формуле:"), this);
    search = new QLineEdit(this);
    nameControl(search, QStringLiteral("search"), searchLabel->text());
    setFieldColour(search, inputColour);
    searchLabel->setBuddy(search);

    list = new QTableWidget(0, 5, this);
    nameControl(list, QStringLiteral("list"), QStringLiteral("Вещества"));
    list->setHorizontalHeaderLabels({QStringLiteral("Наименование"), QStringLiteral("Формула"),
                                     QStringLiteral("Вид"), QStringLiteral("M, кг/кмоль"),
                                     QStringLiteral("tвсп, °C")});
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 5; ++column)
        list->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    details = new QPlainTextEdit(this);
    nameControl(details, QStringLiteral("details"), QStringLiteral("Данные вещества"));
    details->setReadOnly(true);
    participation = new QLabel(this);
    nameControl(participation, QStringLiteral("participation"), QStringLiteral("Коэффициент Z"));
    participation->setWordWrap(true);
    warning = new QLabel(this);
    nameControl(warning, QStringLiteral("warning"), QStringLiteral("Предупреждение"));
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #b00000"));
    // Room for two lines, so that the list does not jump as the user moves between rows.
    warning->setMinimumHeight(2 * warning->fontMetrics().lineSpacing());

    auto* tables = new QHBoxLayout;
    tables->addWidget(list, 3);
    tables->addWidget(details, 2);
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
    button(apply, "apply", QStringLiteral("Применить"));
    button(close_, "close", QStringLiteral("Закрыть"));

    layout->addWidget(searchLabel);
    layout->addWidget(search);
    layout->addLayout(tables, 1);
    layout->addWidget(participation);
    layout->addWidget(warning);
    layout->addLayout(buttons);
    chainTabOrder({search, list, details, add, edit, remove, apply, close_});
}

std::vector<Substance> Substances::rows() const
{
    std::vector<Substance> all = shippedSubstances();
    all.insert(all.end(), own_.begin(), own_.end());
    return all;
}

// The first remaining row becomes current, unless a row of the given name remains.
void Substances::showRows(const QString& selectName)
{
    const std::vector<Substance> all = rows();
    shown_.clear();
    for (int index : searchSubstances(all, search->text()))
        shown_.push_back(all[index]);
    const QSignalBlocker blocker(list);
    list->setRowCount(int(shown_.size()));
    int selected = 0;
    for (int row = 0; row < int(shown_.size()); ++row) {
        const Substance& s = shown_[row];
        list->setItem(row, 0, cell(s.own ? s.name + ownMark : s.name));
        list->setItem(row, 1, cell(s.formula));
        list->setItem(row, 2, cell(kindText(s.kind)));
        list->setItem(row, 3, cell(formatNumber(s.molarMass, locale_)));
        list->setItem(row, 4, cell(s.flashPoint ? formatNumber(*s.flashPoint, locale_) : QString()));
        if (s.name == selectName)
            selected = row;
    }
    list->setCurrentCell(shown_.empty() ? -1 : selected, 0);
    list_Change();
}

const Substance* Substances::current() const
{
    const int row = list->currentRow();
    return row >= 0 && row < int(shown_.size()) ? &shown_[row] : nullptr;
}

// The search field and the list pass Enter and Esc on to the window.
void Substances::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        apply_Click();
    else if (event->key() == Qt::Key_Escape)
        close();
    else
        ChildWindow::keyPressEvent(event);
}

void Substances::search_Change()
{
    showRows();
}

void Substances::list_Change()
{
    const Substance* s = current();
    details->setPlainText(s ? substanceDetails(*s, locale_) : QString());
    participation->setText(s ? participationOf(*s, state_.T1, locale_).reason : QString());
    warning->setText(s ? applyWarnings(*s, state_.T1, locale_) : QString());
    apply->setEnabled(s != nullptr);
    edit->setEnabled(s && s->own);
    remove->setEnabled(s && s->own);
}

void Substances::apply_Click()
{
    const Substance* s = current();
    if (!s)
        return;
    // Applied here to a copy first, so that a substance that cannot apply stays in this window with
    // its message.
    try {
        CalculationState trial = state_;
        applySubstance(trial, *s, locale_);
    } catch (const UserError& error) {
        showError(this, error);
        return;
    }
    emit chosen(*s);
    close();
}

void Substances::add_Click()
{
    Substance blank;
    blank.kind = SubstanceKind::FlammableLiquid;
    const std::vector<Substance> others = rows();
    SubstanceEditor editor(this, blank, others, locale_);
    if (execModal(editor) != QDialog::Accepted)
        return;
    std::vector<Substance> own = own_;
    own.push_back(editor.substance());
    saveOwn(std::move(own), editor.substance().name);
}

void Substances::edit_Click()
{
    const Substance* s = current();
    if (!s || !s->own)
        return;
    const QString name = s->name;
    std::vector<Substance> others;
    for (const Substance& row : rows())
        if (!(row.own && row.name == name))
            others.push_back(row);
    SubstanceEditor editor(this, *s, others, locale_);
    if (execModal(editor) != QDialog::Accepted)
        return;
    std::vector<Substance> own = own_;
    for (Substance& row : own)
        if (row.name == name)
            row = editor.substance();
    saveOwn(std::move(own), editor.substance().name);
}

void Substances::remove_Click()
{
    const Substance* s = current();
    if (!s || !s->own)
        return;
    std::vector<Substance> own = own_;
    std::erase_if(own, [name = s->name](const Substance& row) { return row.name == name; });
    saveOwn(std::move(own), {});
}

// The list changes only when the file was written, so what the list shows is what the file holds.
void Substances::saveOwn(std::vector<Substance> own, const QString& selectName)
{
    try {
        saveOwnSubstances(ownSubstancesPath(), own);
    } catch (const UserError& error) {
        showCritical(this, caption, error.message());
        return;
    }
    own_ = std::move(own);
    showRows(selectName);
}
