#pragma once

#include "child_window.h"
#include "own_materials.h"

#include <QLocale>

#include <vector>

class QPushButton;
class QTableWidget;

// The materials of the fire load, shipped and the user's own, with Qн, qкр and their sources; the
// user's own rows are added, changed and removed here. The opener takes no input while it is open
// and hears of every change of the own rows by ownChanged().
class Materials : public ChildWindow {
    Q_OBJECT

  public:
    Materials(QWidget* opener, const QLocale& locale);

  signals:
    void ownChanged();

  private slots:
    void list_Change();
    void add_Click();
    void edit_Click();
    void remove_Click();

  private:
    void buildControls();
    void showRows(const QString& selectName = {});
    const Material* current() const;
    void changeOwn(const OwnMaterialChange& change, const QString& selectName);

    const QLocale locale_;
    std::vector<Material> shown_; // the shipped rows, then the own ones

    QTableWidget* list = nullptr;
    QPushButton* add = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* close_ = nullptr;
};
