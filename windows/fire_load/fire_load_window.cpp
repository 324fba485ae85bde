#include "fire_load_window.h"

#include "fire_load_file.h"
#include "fire_load_section.h"
#include "form_layout.h"
#include "materials_window.h"
#include "modal.h"
#include "numbers.h"
#include "table_rows.h"
#include "whole_file.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum SiteColumn {
    SiteName,
    SiteArea,
    SiteHeight,
    SiteDistance,
    SiteLiquid,
    SiteHeat,
    SiteS,
    SiteDensity,
    SiteLimitDistance,
    SiteHeightLimit,
    SiteCategory,
    SiteColumnCount
};
enum MaterialColumn { MaterialName, MaterialMass, MaterialHeat, MaterialFlux, MaterialColumnCount };

const QString title = QStringLiteral("Категория помещения В1–В4");
const QString fileFilter = QStringLiteral("Файлы пожарной нагрузки (*.pzv)");

// The material cell offers the known materials and takes any typed name.
class MaterialNameDelegate : public QStyledItemDelegate {
  public:
    MaterialNameDelegate(const std::vector<Material>& known, QObject* parent)
        : QStyledItemDelegate(parent), known_(known)
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QComboBox(parent);
        editor->setEditable(true);
        for (const Material& material : known_)
            editor->addItem(material.name);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }

  private:
    const std::vector<Material>& known_;
};

void setCell(QTableWidget* table, int row, int column, const QString& text, bool editable = true)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable) {
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setBackground(resultColour);
    }
    table->setItem(row, column, item);
}

QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, saving ? QStringLiteral("Сохранить пожарную нагрузку")
                                      : QStringLiteral("Открыть пожарную нагрузку"));
    dialog.setObjectName(saving ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({fileFilter, QStringLiteral("Все файлы (*)")});
    dialog.setDefaultSuffix(QStringLiteral("pzv"));
    if (execModal(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

FireLoad::FireLoad(const QLocale& locale) : locale_(locale), known_(knownMaterials())
{
    setObjectName(QStringLiteral("FireLoad"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    addSite_Click();
}

void FireLoad::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Помещение:")));
    roomName = new QLineEdit;
    nameControl(roomName, QStringLiteral("roomName"), QStringLiteral("Наименование помещения"));
    nameRow->addWidget(roomName);
    layout->addLayout(nameRow);

    sites = new QTableWidget(0, SiteColumnCount);
    nameControl(sites, QStringLiteral("sites"), QStringLiteral("Участки пожарной нагрузки"));
    sites->setHorizontalHeaderLabels(
        {QStringLiteral("Участок"), QStringLiteral("Площадь размещения, м²"), QStringLiteral("H, м"),
         QStringLiteral("До соседнего участка, м"), QStringLiteral("ЛВЖ/ГЖ"), QStringLiteral("Q, МДж"),
         QStringLiteral("S, м²"), QStringLiteral("g, МДж/м²"), QStringLiteral("lпр, м"),
         QStringLiteral("0,64·gт·H², МДж"), QStringLiteral("Категория")});
    sites->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(new QLabel(QStringLiteral("Участки пожарной нагрузки:")));
    layout->addWidget(sites);
    auto* siteButtons = new QHBoxLayout;
    addSite = new QPushButton(QStringLiteral("Добавить участок"));
    nameControl(addSite, QStringLiteral("addSite"), addSite->text());
    removeSite = new QPushButton(QStringLiteral("Удалить участок"));
    nameControl(removeSite, QStringLiteral("removeSite"), removeSite->text());
    siteButtons->addWidget(addSite);
    siteButtons->addWidget(removeSite);
    siteButtons->addStretch();
    layout->addLayout(siteButtons);

    materials = new QTableWidget(0, MaterialColumnCount);
    nameControl(materials, QStringLiteral("materials"), QStringLiteral("Материалы участка"));
    materials->setHorizontalHeaderLabels({QStringLiteral("Материал"), QStringLiteral("G, кг"),
                                          QStringLiteral("Qн, МДж/кг"), QStringLiteral("qкр, кВт/м²")});
    materials->horizontalHeader()->setSectionResizeMode(MaterialName, QHeaderView::Stretch);
    materials->setItemDelegateForColumn(MaterialName, new MaterialNameDelegate(known_, materials));
    layout->addWidget(new QLabel(QStringLiteral("Материалы выбранного участка:")));
    layout->addWidget(materials);
    auto* materialButtons = new QHBoxLayout;
    addMaterial = new QPushButton(QStringLiteral("Добавить материал"));
    nameControl(addMaterial, QStringLiteral("addMaterial"), addMaterial->text());
    removeMaterial = new QPushButton(QStringLiteral("Удалить материал"));
    nameControl(removeMaterial, QStringLiteral("removeMaterial"), removeMaterial->text());
    ownMaterials = new QPushButton(QStringLiteral("Свои материалы…"));
    nameControl(ownMaterials, QStringLiteral("ownMaterials"), ownMaterials->text());
    materialButtons->addWidget(addMaterial);
    materialButtons->addWidget(removeMaterial);
    materialButtons->addWidget(ownMaterials);
    materialButtons->addStretch();
    layout->addLayout(materialButtons);

    auto* commands = new QHBoxLayout;
    calculate = new QPushButton(QStringLiteral("Расчет"));
    report = new QPushButton(QStringLiteral("В отчет"));
    save = new QPushButton(QStringLiteral("Сохранить"));
    open = new QPushButton(QStringLiteral("Открыть"));
    for (auto [button, name] :
         {std::pair{calculate, "calculate"}, {report, "report"}, {save, "save"}, {open, "open"}}) {
        nameControl(button, QLatin1String(name), button->text());
        commands->addWidget(button);
    }
    commands->addStretch();
    layout->addLayout(commands);
    category = new QPlainTextEdit;
    nameControl(category, QStringLiteral("category"), QStringLiteral("Категория помещения"));
    category->setReadOnly(true);
    category->setMaximumHeight(80);
    layout->addWidget(category);
    resize(900, 640);

    connect(addSite, &QPushButton::clicked, this, &FireLoad::addSite_Click);
    connect(removeSite, &QPushButton::clicked, this, &FireLoad::removeSite_Click);
    connect(addMaterial, &QPushButton::clicked, this, &FireLoad::addMaterial_Click);
    connect(removeMaterial, &QPushButton::clicked, this, &FireLoad::removeMaterial_Click);
    connect(ownMaterials, &QPushButton::clicked, this, &FireLoad::ownMaterials_Click);
    connect(calculate, &QPushButton::clicked, this, &FireLoad::calculate_Click);
    connect(report, &QPushButton::clicked, this, &FireLoad::report_Click);
    connect(save, &QPushButton::clicked, this, &FireLoad::save_Click);
    connect(open, &QPushButton::clicked, this, &FireLoad::open_Click);
    connect(sites, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) { sites_CurrentChange(row, previousRow); });
    connect(materials, &QTableWidget::cellChanged, this, &FireLoad::materials_Change);
    connect(sites, &QTableWidget::cellChanged, this, &FireLoad::input_Change);
    connect(roomName, &QLineEdit::textChanged, this, &FireLoad::input_Change);
}

void FireLoad::addSite_Click()
{
    keepMaterialsOf(sites->currentRow());
    const int row = sites->rowCount();
    filling_ = true;
    sites->insertRow(row);
    setCell(sites, row, SiteName, QStringLiteral("Участок ") + QString::number(row + 1));
    for (int column : {SiteArea, SiteHeight, SiteDistance})
        setCell(sites, row, column, {});
    auto* liquid = new QTableWidgetItem;
    liquid->setFlags((liquid->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    liquid->setCheckState(Qt::Unchecked);
    sites->setItem(row, SiteLiquid, liquid);
    for (int column = SiteHeat; column < SiteColumnCount; ++column)
        setCell(sites, row, column, {}, false);
    filling_ = false;
    siteMaterials_.emplace_back();
    sites->setCurrentCell(row, SiteName);
    input_Change();
}

void FireLoad::removeSite_Click()
{
    const int row = sites->currentRow();
    if (row < 0)
        return;
    siteMaterials_.erase(siteMaterials_.begin() + row);
    {
        // The current row moves on without keeping the removed site's materials.
        const QSignalBlocker quiet(sites);
        sites->removeRow(row);
    }
    showMaterialsOf(sites->currentRow());
    input_Change();
}

void FireLoad::addMaterial_Click()
{
    if (sites->currentRow() < 0)
        return;
    const int row = materials->rowCount();
    materials->insertRow(row);
    for (int column = 0; column < MaterialColumnCount; ++column)
        setCell(materials, row, column, {});
    materials->setCurrentCell(row, MaterialName);
    keepMaterialsOf(sites->currentRow());
}

void FireLoad::removeMaterial_Click()
{
    if (materials->currentRow() < 0)
        return;
    materials->removeRow(materials->currentRow());
    keepMaterialsOf(sites->currentRow());
    input_Change();
}

void FireLoad::ownMaterials_Click()
{
    openChild(
        materialsWindow_, this, ownMaterials,
        [this](Materials* window) {
            connect(window, &Materials::ownChanged, this, &FireLoad::ownMaterials_Change);
        },
        locale_);
}

// Rows already typed keep their figures; the changed list serves the names typed from now on.
void FireLoad::ownMaterials_Change()
{
    known_ = knownMaterials();
}

void FireLoad::sites_CurrentChange(int row, int previousRow)
{
    if (row == previousRow)
        return;
    keepMaterialsOf(previousRow);
    showMaterialsOf(row);
}

// A material of the table fills its Qн and qкр, which stay editable.
void FireLoad::materials_Change(int row, int column)
{
    if (filling_)
        return;
    if (column == MaterialName) {
        if (const Material* material = findMaterial(known_, cellText(materials, row, MaterialName))) {
            filling_ = true;
            materials->item(row, MaterialHeat)->setText(formatNumber(material->heat, locale_));
            materials->item(row, MaterialFlux)
                ->setText(material->criticalFlux ? formatNumber(*material->criticalFlux, locale_)
                                                 : QString());
            filling_ = false;
        }
    }
    keepMaterialsOf(sites->currentRow());
    input_Change();
}

void FireLoad::input_Change()
{
    if (!filling_)
        clearResults();
}

void FireLoad::keepMaterialsOf(int site)
{
    if (site < 0 || std::size_t(site) >= siteMaterials_.size())
        return;
    std::vector<FireLoadMaterialTexts>& kept = siteMaterials_[std::size_t(site)];
    kept.clear();
    for (int row = 0; row < materials->rowCount(); ++row)
        kept.push_back({cellText(materials, row, MaterialName), cellText(materials, row, MaterialMass),
                        cellText(materials, row, MaterialHeat), cellText(materials, row, MaterialFlux)});
}

void FireLoad::showMaterialsOf(int site)
{
    filling_ = true;
    materials->setRowCount(0);
    if (site >= 0 && std::size_t(site) < siteMaterials_.size())
        for (const FireLoadMaterialTexts& m : siteMaterials_[std::size_t(site)]) {
            const int row = materials->rowCount();
            materials->insertRow(row);
            for (auto [column, text] : {std::pair{int(MaterialName), m.name},
                                        {MaterialMass, m.mass},
                                        {MaterialHeat, m.heat},
                                        {MaterialFlux, m.criticalFlux}})
                setCell(materials, row, column, text);
        }
    filling_ = false;
}

FireLoadRoom FireLoad::roomFromFields()
{
    keepMaterialsOf(sites->currentRow());
    std::vector<FireLoadSiteTexts> texts;
    for (int row = 0; row < sites->rowCount(); ++row)
        texts.push_back({cellText(sites, row, SiteName), cellText(sites, row, SiteArea),
                         cellText(sites, row, SiteHeight), cellText(sites, row, SiteDistance),
                         sites->item(row, SiteLiquid)->checkState() == Qt::Checked,
                         siteMaterials_[std::size_t(row)]});
    return fireLoadRoomFromTexts(roomName->text(), texts, locale_);
}

void FireLoad::calculate_Click()
{
    clearResults();
    try {
        FireLoadRoom room = roomFromFields();
        const FireLoadAssessment assessment = assessFireLoad(room);
        showResults(assessment);
        category->setPlainText(QStringLiteral("Категория помещения: ") % fireCategoryText(assessment.category)
                               % u'\n' % decidingRuleText(room, assessment, locale_));
        shown_.emplace(std::move(room), assessment);
    } catch (const UserError& error) {
        showCritical(this, title, error.message());
    }
}

void FireLoad::showResults(const FireLoadAssessment& assessment)
{
    filling_ = true;
    for (int row = 0; row < sites->rowCount(); ++row) {
        const FireLoadSiteResult& r = assessment.sites.at(std::size_t(row));
        const auto number = [this](double value) { return formatNumber(value, locale_); };
        const std::pair<int, QString> shown[] = {
            {SiteHeat, number(r.heat)},
            {SiteS, number(r.area)},
            {SiteDensity, number(r.density)},
            {SiteLimitDistance, number(r.limitDistance)},
            {SiteHeightLimit, r.heightLimit ? number(*r.heightLimit) : QStringLiteral("—")},
            {SiteCategory, fireCategoryText(r.category)}};
        for (const auto& [column, text] : shown)
            sites->item(row, column)->setText(text);
    }
    filling_ = false;
}

// Nothing computed outlives the input it was computed from.
void FireLoad::clearResults()
{
    filling_ = true;
    for (int row = 0; row < sites->rowCount(); ++row)
        for (int column = SiteHeat; column < SiteColumnCount; ++column)
            if (QTableWidgetItem* item = sites->item(row, column))
                item->setText({});
    filling_ = false;
    category->clear();
    shown_.reset();
}

void FireLoad::report_Click()
{
    if (!shown_) {
        showCritical(this, title, QStringLiteral("Сначала выполните расчет (кнопка «Расчет»)."));
        return;
    }
    emit reportSection(fireLoadSection(shown_->first, shown_->second, locale_));
}

void FireLoad::save_Click()
{
    FireLoadRoom room;
    try {
        room = roomFromFields();
    } catch (const UserError& error) {
        showCritical(this, title, error.message());
        return;
    }
    const QString path = chooseFile(this, QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    try {
        writeFileWhole(path, writeFireLoadFile(room));
        setWindowTitle(title + QStringLiteral(" — ") + fileNameShown(path));
    } catch (const UserError& error) {
        showCritical(this, title,
                     QStringLiteral("Файл ") % fileNameShown(path) % QStringLiteral(" не записан: ")
                         % error.message() % QStringLiteral(". Файл на диске не изменен."));
    }
}

void FireLoad::open_Click()
{
    const QString path = chooseFile(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        openFile(path);
}

bool FireLoad::openFile(const QString& path)
{
    try {
        showRoom(readFireLoadFile(readRegularFile(path, fireLoadFileMaxSize)));
    } catch (const UserError& error) {
        showCritical(this, title,
                     QStringLiteral("Файл ") % fileNameShown(path) % QStringLiteral(" не открыт: ")
                         % error.message() % u'.');
        return false;
    }
    setWindowTitle(title + QStringLiteral(" — ") + fileNameShown(path));
    return true;
}

void FireLoad::showRoom(const FireLoadRoom& room)
{
    const auto number = [this](double value) { return formatNumber(value, locale_); };
    filling_ = true;
    roomName->setText(room.name);
    sites->setRowCount(0);
    materials->setRowCount(0);
    siteMaterials_.clear();
    filling_ = false;
    for (const FireLoadSite& site : room.sites) {
        addSite_Click();
        const int row = sites->rowCount() - 1;
        filling_ = true;
        sites->item(row, SiteName)->setText(site.name);
        sites->item(row, SiteArea)->setText(number(site.placementArea));
        sites->item(row, SiteHeight)->setText(number(site.height));
        sites->item(row, SiteDistance)
            ->setText(site.distanceToNearest ? number(*site.distanceToNearest) : QString());
        sites->item(row, SiteLiquid)->setCheckState(site.liquid ? Qt::Checked : Qt::Unchecked);
        filling_ = false;
        for (const FireLoadMaterial& m : site.materials)
            siteMaterials_.back().push_back({m.name, number(m.mass), number(m.heat),
                                             m.criticalFlux ? number(*m.criticalFlux) : QString()});
        showMaterialsOf(row);
    }
    sites->setCurrentCell(0, SiteName);
    showMaterialsOf(0);
    clearResults();
}
