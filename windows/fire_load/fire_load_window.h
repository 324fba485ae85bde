#pragma once

#include "fire_load.h"
#include "materials.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <vector>

class Materials;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The category В1–В4 of one room from its fire load: the sites of the room, the materials of the
// site in hand, the results of each site and the room's category with the rule that decided it.
// A top-level window of its own; it hands its report section to whoever opened it by a signal.
class FireLoad : public QWidget {
    Q_OBJECT

  public:
    explicit FireLoad(const QLocale& locale = QLocale());

    // Opens the fire-load file at `path` as "Открыть" does once a file is chosen; a bad file is told
    // in a message that names it, and changes nothing. Returns whether the room was opened.
    bool openFile(const QString& path);

  signals:
    // Section 2 of the report for the room as last calculated.
    void reportSection(const QString& html);

  private slots:
    void addSite_Click();
    void removeSite_Click();
    void addMaterial_Click();
    void removeMaterial_Click();
    void ownMaterials_Click();
    void ownMaterials_Change();
    void calculate_Click();
    void report_Click();
    void save_Click();
    void open_Click();
    void sites_CurrentChange(int row, int previousRow);
    void materials_Change(int row, int column);
    void input_Change();

  private:
    void buildControls();
    void keepMaterialsOf(int site);
    void showMaterialsOf(int site);
    FireLoadRoom roomFromFields();
    void showRoom(const FireLoadRoom& room);
    void showResults(const FireLoadAssessment& assessment);
    void clearResults();

    QLocale locale_;
    // The shipped materials and the user's own, as the material cells offer them.
    std::vector<Material> known_;
    QPointer<Materials> materialsWindow_;
    // The material rows of every site; the materials table shows those of the current site.
    std::vector<std::vector<FireLoadMaterialTexts>> siteMaterials_;
    bool filling_ = false;
    // The room and assessment the results show, for the report; cleared by any change of input.
    std::optional<std::pair<FireLoadRoom, FireLoadAssessment>> shown_;

    QLineEdit* roomName = nullptr;
    QTableWidget* sites = nullptr;
    QPushButton* addSite = nullptr;
    QPushButton* removeSite = nullptr;
    QTableWidget* materials = nullptr;
    QPushButton* addMaterial = nullptr;
    QPushButton* removeMaterial = nullptr;
    QPushButton* ownMaterials = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* report = nullptr;
    QPushButton* save = nullptr;
    QPushButton* open = nullptr;
    QPlainTextEdit* category = nullptr;
};
