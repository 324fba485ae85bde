#include "glav.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QColor yellow(255, 255, 192);
const QColor green(192, 255, 192);

struct FieldRow {
    const char* name;
    const char* commaText;
    const char* toolTip;
    bool typed;
};

const FieldRow fields[] = {
    {"Text1", "", "Масса паров жидкости или газа", false},
    {"Text2", "0,3", "Коэффициент участия горючего во взрыве", true},
    {"Text3", "", "Свободный объем помещения", true},
    {"Text4", "", "Плотность газа или пара при расчетной температуре", false},
    {"Text5", "", "Стехиометрическая концентрация", false},
    {"Text6", "3",
     "Коэффициент, учитывающий негерметичность помещения и неадиабатичность процесса горения (при отсутствии "
     "данных Кн=3)",
     true},
    {"Text7", "900", "Максимальное давление взрыва (при отсутствии данных Рмах=900кПа)", true},
    {"Text8", "101", "Начальное давление (при отсутствии данных Ро=101кПа)", true},
    {"Text9", "", "", true},
    {"Text10", "", "Избыточное давление взрыва (должно быть меньше 5кПа)", false},
    {"Text11", "", "", true},
    {"Text12", "", "", true},
    {"Text13", "", "Производительность вентиляционной установки, м3/час", false},
};

TEST(GlavStart, FieldsShowTheirDefaultsTooltipsAndColours)
{
    Glav glav(commaLocale());
    for (const FieldRow& row : fields) {
        SCOPED_TRACE(row.name);
        auto* field = child<QLineEdit>(&glav, QString::fromLatin1(row.name));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), QString::fromUtf8(row.commaText));
        EXPECT_EQ(field->toolTip(), QString::fromUtf8(row.toolTip));
        EXPECT_EQ(field->palette().color(QPalette::Base), row.typed ? yellow : green);
        EXPECT_FALSE(field->accessibleName().isEmpty());
    }
}

TEST(GlavStart, DefaultNumbersFollowADotLocale)
{
    Glav glav(dotLocale());
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text2")), QStringLiteral("0.3"));
    EXPECT_EQ(textOf(&glav, QStringLiteral("Text7")), QStringLiteral("900"));
}

TEST(GlavStart, StateHoldsTheStartValues)
{
    Glav glav(commaLocale());
    const CalculationState& s = glav.state;
    EXPECT_EQ(s.tr, 3600);
    EXPECT_EQ(s.T1, 37);
    EXPECT_TRUE(s.out.isEmpty());
    for (double value : {s.EP, s.Pmax, s.po, s.Mass, s.Z, s.Vsv, s.pgp, s.Cst, s.Kn, s.M, s.Fi, s.Mpr, s.Qsg, s.n,
                         s.L, s.nu, s.Vvent, s.T, s.Pn, s.Em, s.pl, s.A, s.B, s.C, s.nC, s.nH, s.nO, s.nX})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(s.U, 0.0f);
    EXPECT_EQ(s.W, 0.0f);
    static_assert(std::is_same_v<decltype(CalculationState::U), float>);
    static_assert(std::is_same_v<decltype(CalculationState::W), float>);
}

TEST(GlavStart, WindowHasItsCaptionFixedSizeAndNoMinimiseOrMaximise)
{
    Glav glav(commaLocale());
    EXPECT_EQ(glav.objectName(), QStringLiteral("Glav"));
    EXPECT_EQ(glav.windowTitle(), QStringLiteral("Расчет избыточного давления взрыва //Tarvolin\\\\"));
    EXPECT_TRUE(glav.windowTitle().endsWith(QStringLiteral("n\\\\")));
    EXPECT_EQ(glav.centralWidget()->size(), QSize(622, 255));
    EXPECT_EQ(glav.minimumSize(), glav.maximumSize());
    EXPECT_FALSE(glav.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(glav.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(GlavStart, CheckBoxesStartRoomOnlyAndAreIndependent)
{
    Glav glav(commaLocale());
    auto* room = child<QCheckBox>(&glav, QStringLiteral("Check1"));
    auto* outdoor = child<QCheckBox>(&glav, QStringLiteral("Check2"));
    EXPECT_EQ(room->text(), QStringLiteral("Помещение"));
    EXPECT_EQ(outdoor->text(), QStringLiteral("Наружная установка"));
    EXPECT_TRUE(room->isChecked());
    EXPECT_FALSE(outdoor->isChecked());
    outdoor->setChecked(true);
    EXPECT_TRUE(room->isChecked());
    room->setChecked(false);
    outdoor->setChecked(false);
    EXPECT_FALSE(room->isChecked());
}

TEST(GlavStart, FramesCarryCaptionsAndHoldTheirControls)
{
    Glav glav(commaLocale());
    const std::pair<const char*, const char*> captions[] = {
        {"Frame1", "Исходные данные"}, {"Frame2", "Рмах, кПа"}, {"Frame3", "Ро, кПа"},
        {"Frame4", "m, кг"}, {"Frame5", "Z"}, {"Frame6", "Vсв, куб.м."},
        {"Frame7", "р г.п., кг/куб.м."}, {"Frame8", "Тип расчета"}, {"Frame9", "Cст"},
        {"Frame10", "Кн"}, {"Frame11", "Расчет кратности воздухообмена аварийной вентиляции, м.куб./ч"},
        {"Frame12", "Результат"}, {"Frame13", "Длина помещения, м"}, {"Frame14", "Кратность воздухообм."},
        {"Frame15", "Qсг, МДж/кг"}};
    for (const auto& [name, caption] : captions) {
        auto* frame = child<QGroupBox>(&glav, QString::fromLatin1(name));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), QString::fromUtf8(caption));
        const bool bold = QByteArray(name) == "Frame1" || QByteArray(name) == "Frame11" || QByteArray(name) == "Frame12";
        EXPECT_EQ(frame->font().bold(), bold) << name;
    }
    EXPECT_EQ(glav.findChild<QWidget*>(QStringLiteral("Text7"))->parent()->objectName(), QStringLiteral("Frame2"));
    EXPECT_EQ(glav.findChild<QWidget*>(QStringLiteral("Frame5"))->parent(), glav.centralWidget());
    EXPECT_EQ(glav.findChild<QWidget*>(QStringLiteral("Text13"))->parent()->objectName(), QStringLiteral("Frame12"));
    EXPECT_FALSE(child<QLineEdit>(&glav, QStringLiteral("Text7"))->font().bold());
    for (const char* name : {"Text10", "Text13"})
        EXPECT_DOUBLE_EQ(child<QLineEdit>(&glav, QString::fromLatin1(name))->font().pointSizeF(), 9.75);
}

TEST(GlavStart, ButtonsHaveCaptionsAndTooltips)
{
    Glav glav(commaLocale());
    const std::tuple<const char*, const char*, const char*> buttons[] = {
        {"Command1", "Расчет", ""},
        {"Command2", "<=", "Произвести расчет стехиометрической концентрации"},
        {"Command3", "<=", "Произвести расчет плотности газа или пара при расчетной температуре"},
        {"Command4", "<=", "Произвести расчет массы паров жидкости или газа"},
        {"Command6", "Расчет", ""},
        {"Command8", "Занести в отчет", ""}};
    for (const auto& [name, caption, tip] : buttons) {
        auto* button = child<QPushButton>(&glav, QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(tip));
    }
}

TEST(GlavMenu, FileMenuListsItsItemsInOrder)
{
    Glav glav(commaLocale());
    auto* file = child<QMenu>(&glav, QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("&Файл")); // Alt+Ф opens it from the keyboard
    QStringList items;
    for (QAction* action : file->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + u'=' + action->text());
    EXPECT_EQ(items, (QStringList{QStringLiteral("open=Открыть предыдущий расчет"),
                                  QStringLiteral("save=Сохранить текущий расчет"), QStringLiteral("-"),
                                  QStringLiteral("ver=Версия"), QStringLiteral("-"), QStringLiteral("quit=Выход")}));
}

TEST(GlavMenu, VersionShowsThreeLinesWithOkAndNoIcon)
{
    Glav glav(commaLocale());
    DialogRecorder dialogs;
    child<QAction>(&glav, QStringLiteral("ver"))->trigger();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    const SeenDialog& box = dialogs.seen.front();
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Версия 1.4"));
}

} // namespace
