#include "form_layout.h"
#include "glav.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

// What each control shows at start: the captions of frames, buttons and boxes, and the fields that start
// filled; every other field starts empty.
// clang-format off
const std::pair<const char*, const char*> shownTexts[] = {
    {"Frame1", "Исходные данные"}, {"Frame2", "Рмах, кПа"}, {"Frame3", "Ро, кПа"}, {"Frame4", "m, кг"},
    {"Frame5", "Z"}, {"Frame6", "Vсв, куб.м."}, {"Frame7", "р г.п., кг/куб.м."}, {"Frame8", "Тип расчета"},
    {"Frame9", "Cст"}, {"Frame10", "Кн"},
    {"Frame11", "Расчет кратности воздухообмена аварийной вентиляции, м.куб./ч"}, {"Frame12", "Результат"},
    {"Frame13", "Длина помещения, м"}, {"Frame14", "Кратность воздухообм."}, {"Frame15", "Qсг, МДж/кг"},
    {"Command1", "Расчет"}, {"Command2", "<="}, {"Command3", "<="}, {"Command4", "<="},
    {"Command6", "Расчет"}, {"Command8", "Занести в отчет"}, {"Check1", "Помещение"},
    {"Check2", "Наружная установка"}, {"Text2", "0,3"}, {"Text6", "3"}, {"Text7", "900"}, {"Text8", "101"}};
// clang-format on

// The tooltips; the other controls have none.
const std::pair<const char*, const char*> toolTips[] = {
    {"Text1", "Масса паров жидкости или газа"},
    {"Text2", "Коэффициент участия горючего во взрыве"},
    {"Text3", "Свободный объем помещения"},
    {"Text4", "Плотность газа или пара при расчетной температуре"},
    {"Text5", "Стехиометрическая концентрация"},
    {"Text6", "Коэффициент, учитывающий негерметичность помещения и неадиабатичность процесса горения (при "
              "отсутствии данных Кн=3)"},
    {"Text7", "Максимальное давление взрыва (при отсутствии данных Рмах=900кПа)"},
    {"Text8", "Начальное давление (при отсутствии данных Ро=101кПа)"},
    {"Text10", "Избыточное давление взрыва (должно быть меньше 5кПа)"},
    {"Text13", "Производительность вентиляционной установки, м3/час"},
    {"Command2", "Произвести расчет стехиометрической концентрации"},
    {"Command3", "Произвести расчет плотности газа или пара при расчетной температуре"},
    {"Command4", "Произвести расчет массы паров жидкости или газа"}};

// The fields that calculations and calculators fill are green; the user types the others.
const QStringList resultFields{u"Text1"_s, u"Text4"_s, u"Text5"_s, u"Text10"_s, u"Text13"_s};

TEST(GlavStart, ControlsShowTheirCaptionsStartTextsTooltipsAndColours)
{
    Glav glav(commaLocale());
    QStringList filled;
    for (const auto& [name, text] : shownTexts) {
        const QObject* control = child<QObject>(&glav, QString::fromLatin1(name));
        const QVariant title = control->property("title"); // a frame's caption
        EXPECT_EQ((title.isValid() ? title : control->property("text")).toString(), QString::fromUtf8(text))
            << name;
        filled << QString::fromLatin1(name);
    }
    for (const auto& [name, toolTip] : toolTips)
        EXPECT_EQ(child<QWidget>(&glav, QString::fromLatin1(name))->toolTip(), QString::fromUtf8(toolTip))
            << name;
    const auto fields = glav.findChildren<QLineEdit*>();
    EXPECT_EQ(fields.size(), 13);
    for (const QLineEdit* field : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        const bool result = resultFields.contains(field->objectName());
        EXPECT_EQ(field->palette().color(QPalette::Base), result ? resultColour : inputColour);
        EXPECT_EQ(field->text().isEmpty(), !filled.contains(field->objectName()));
        EXPECT_FALSE(field->accessibleName().isEmpty());
    }
    EXPECT_TRUE(child<QCheckBox>(&glav, u"Check1"_s)->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&glav, u"Check2"_s)->isChecked());
    EXPECT_EQ(child<QWidget>(&glav, u"Text7"_s)->parent()->objectName(), u"Frame2"_s);
    EXPECT_TRUE(child<QGroupBox>(&glav, u"Frame11"_s)->font().bold());
    EXPECT_DOUBLE_EQ(child<QLineEdit>(&glav, u"Text10"_s)->font().pointSizeF(), 9.75);
    EXPECT_EQ(textOf(Glav(dotLocale()).centralWidget(), u"Text2"_s), u"0.3"_s);
}

TEST(GlavStart, WindowHasItsCaptionAFixedSizeAndNoMinimiseOrMaximise)
{
    Glav glav(commaLocale());
    EXPECT_EQ(glav.objectName(), u"Glav"_s);
    EXPECT_EQ(glav.windowTitle(), u"Расчет избыточного давления взрыва //Tarvolin\\\\"_s);
    EXPECT_EQ(glav.centralWidget()->size(), QSize(622, 255));
    EXPECT_EQ(glav.minimumSize(), glav.maximumSize());
    EXPECT_FALSE(glav.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(GlavMenu, FileMenuListsItsItemsAndVersionShowsThreeLinesWithoutIcon)
{
    Glav glav(commaLocale());
    auto* file = child<QMenu>(&glav, u"file"_s);
    EXPECT_EQ(file->title(), u"&Файл"_s); // Alt+Ф opens it from the keyboard
    QStringList items;
    for (QAction* action : file->actions())
        items << (action->isSeparator() ? u"-"_s : action->objectName() + u'=' + action->text());
    EXPECT_EQ(items, (QStringList{u"open=Открыть предыдущий расчет"_s, u"save=Сохранить текущий расчет"_s,
                                  u"-"_s, u"ver=Версия"_s, u"-"_s, u"quit=Выход"_s}));
    DialogRecorder dialogs;
    child<QAction>(&glav, u"ver"_s)->trigger();
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(dialogs.seen[0].buttons, QMessageBox::Ok);
    const QStringList lines = dialogs.seen[0].text.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], u"Версия 1.4"_s);
}

} // namespace
