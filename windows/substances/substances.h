#pragma once

#include "calculation_state.h"
#include "child_window.h"
#include "substance.h"
#include "substance_choice.h"

#include <QLocale>

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The substance table: find a substance by name, synonym or formula, read every figure with its
// source, and choose one for the calculation. The opener takes no input while it is open.
// "Применить" (or Enter) hands the substance to the opener (chosen) once it has checked that it
// applies at the state's design temperature, and closes; "Закрыть" (or Esc) closes and hands nothing.
class Substances : public ChildWindow {
    Q_OBJECT

  public:
    // `state` gives the design temperature at which the substance's figures are shown and checked.
    Substances(QWidget* opener, const CalculationState& state, const QLocale& locale);

  signals:
    void chosen(const Substance& substance);

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

    const CalculationState state_;
    const QLocale locale_;
    std::vector<Substance> own_;
    std::vector<Substance> shown_;

    QLineEdit* search = nullptr;
    QTableWidget* list = nullptr;
    QPlainTextEdit* details = nullptr;
    QLabel* participation = nullptr;
    QLabel* warning = nullptr;
    QPushButton* add = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* apply = nullptr;
    QPushButton* close_ = nullptr;
};
