#pragma once

#include "calculation_state.h"
#include "calculator_window.h"
#include "substance.h"
#include "substance_choice.h"

#include <QLocale>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The substance table: find a substance by name, synonym or formula, read every figure with its
// source, and apply it to the calculation. The main window takes no input while it is open.
// "Применить" (or Enter) stores the substance's data in the state, hands the texts for the main
// window's fields to `applied` and closes; "Закрыть" (or Esc) closes and changes nothing.
class Substances : public CalculatorWindow {
    Q_OBJECT

  public:
    using AppliedHandler = std::function<void(const MainWindowTexts&)>;
    Substances(QWidget* opener, CalculationState& state, const QLocale& locale, AppliedHandler applied);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void search_Change();
    void list_Change();
    void apply_Click();
    void add_Click();
    void edit_Click();
    void remove_Click();

  private:
    void buildControls();
    void showRows(const QString& selectName = {});
    const Substance* current() const;
    std::vector<Substance> rows() const;
    void saveOwn(std::vector<Substance> own, const QString& selectName);

    AppliedHandler applied_;
    std::vector<Substance> own_;
    std::vector<Substance> shown_;

    QLineEdit* search = nullptr;
    QTableWidget* list = nullptr;
    QPlainTextEdit* details = nullptr;
    QLabel* participation = nullptr;
    QLabel* crossCheck = nullptr; // what the row was checked against, and disagreements resolved
    QLabel* warning = nullptr;
    QPushButton* add = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* apply = nullptr;
    QPushButton* close_ = nullptr;
};
