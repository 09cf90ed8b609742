// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The "Foto Kalender" page: month, year, federal state, the optional biorhythm with its
// birth date, up to three pictures and the fonts of the calendar page. Owns the page's
// controls (on Panel1, context menu PopupMenu1), the open-picture and font dialogs and the
// holiday line; builds the month grid into the main window's grid table and shows the
// calendar page report of the report window.

#include "designscaler.h"
#include "fotopagechoices.h"
#include "monthpage.h"
#include "pagepictures.h"

#include <QDate>
#include <QFont>
#include <QFutureWatcher>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFontDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressDialog;
class QPushButton;

namespace zuv::store { class Table; }
namespace zuv::bio { class BioPage; }
namespace zuv::widgets { class MaskEdit; class UpDown; }

namespace zuv::photo {

class TForm10;

// What "Vorschau" says when "Mit Zuvododerod" is ticked and the birth date is missing or no
// date (typed: the field's text).
QString missingBirthDateText(const QString& typed);
// Why a second region cannot go with the first (unknown, or the same region); empty when
// it can or when there is none.
QString secondRegionRefusal(const QString& firstRegion, const QString& secondRegion);

class FotoPage : public QWidget {
    Q_OBJECT
public:
    FotoPage(zuv::store::Table& CLDBildkalender, zuv::bio::BioPage& bioPage,
             TForm10& reportWindow, QWidget* parent = nullptr);
    ~FotoPage() override;

    // First values: current month and year of today, no pictures; the region, the calendar
    // page's fonts, the picture fit, marks and calendar files as the user last chose them
    // (settings; the first federal state and the design's fonts when there are none).
    void initialise(const QDate& today);
    // Puts the page's own entries into the "Foto Kalender" menu: picture fit and focus,
    // moon phases, bridge days, second region, appointments from files.
    void addCalendarMenuEntries(QMenu* menu);
    // Run by "Abbrechen" before the report window closes: shows page 0 and applies the
    // main window's menu rule.
    void setShowFirstPage(std::function<void()> fn) { m_showFirstPage = std::move(fn); }

    // --- handlers ---
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void CheckBox3Click();
    void Button5Click();
    void Button6Click();
    void SchriftartTitel1Click();
    void SchriftartWochentage1Click();
    void SchriftartTageszahlen1Click();
    void Standard1Click();
    void Bildabessungen1Click();
    // The entries of addCalendarMenuEntries.
    void Bildanpassung1Click(PictureFit fit);
    void Bildausschnitt1Click(int preset);       // 0..8 (focusPreset), for every picture
    void Mondphasen1Click();
    void Brueckentage1Click();
    void ZweiteRegion1Click(const QString& code);   // empty: none
    void TermineAusDatei1Click();
    void TermineEntfernen1Click();
    const FotoPageChoices& choices() const { return m_choices; }

    // --- the page's state, for the report and the main window ---
    const QString& HolidayLine() const { return m_holidayLine; }
    // Holiday calendar code of the region chosen in "Bundesland", empty when none is.
    QString chosenRegionCode() const;
    QMenu* PopupMenu1() const { return m_PopupMenu1; }
    // Made on first use; they keep their last confirmed choice for the run.
    QFileDialog& OpenPictureDialog1();
    QFontDialog& FontDialog1();
    // The last file confirmed in the picture dialog (empty before the first) and the font
    // the font dialog holds (its last confirmed choice).
    const QString& pictureDialogFile() const { return m_pictureDialogFile; }
    const QFont& fontDialogFont() const { return m_fontDialogFont; }
    const QColor& fontDialogColour() const { return m_fontDialogColour; }
    // True from "Vorschau" until its preview is closed, also while the pictures load.
    bool isBuilding() const { return m_building; }

    static QString bildabmessungenText();
    // The page's size at design; its controls follow the page's size from there.
    static QSize designSize() { return {840, 478}; }
    zuv::widgets::ScaleFactors scale() const { return m_scale; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void nameForAssistiveTechnology();
    // The region and the calendar page's fonts as the last run left them (fotopagefonts.h).
    void restoreMemory();
    void regionChosen();
    void keepFonts();
    void pictureButton(QLabel* label);
    // Runs the font dialog; true when the user confirmed.
    bool runFontDialog();
    // Checks the entries and makes the chart; shows the page at once when it has no
    // pictures to load, else starts loading them and returns true.
    bool startBuild();
    void picturesLoaded(QFutureWatcher<PagePictures>* watcher);
    void showPage(const MonthPageInput& input, const std::vector<QSizeF>& ownSizes = {});
    void buildMenuEntries();
    // The menu's check marks and the appointment files' label as m_choices says.
    void showChoices();
    void choicesChanged();
    void endBuild();
    // The month chart of the birth date for the calendar's month, as the page prints it.
    pictures::ReportPicture monthChart(const QString& birthText, int year, int month);
    // The list position of a typed box text, or a message and the focus on the box.
    std::optional<int> checkedEntry(QComboBox* box, const QString& refusal);

    zuv::store::Table& m_CLDBildkalender;
    zuv::bio::BioPage& m_bioPage;
    TForm10& m_report;
    std::function<void()> m_showFirstPage;
    QString m_holidayLine;
    QString m_pictureDialogFile;
    QFont m_fontDialogFont;
    QColor m_fontDialogColour;
    bool m_building = false;
    bool m_restoring = false;              // the region box is being filled, not chosen
    MonthPageInput m_pending;              // the page whose pictures are loading
    FotoPageChoices m_choices;
    QProgressDialog* m_progress = nullptr;
    zuv::widgets::DesignScaler m_scaler;
    zuv::widgets::ScaleFactors m_scale;

    QFrame* m_Panel1 = nullptr;
    QPushButton* m_Button1 = nullptr;
    QPushButton* m_Button2 = nullptr;
    QPushButton* m_Button3 = nullptr;
    QLabel* m_Bild1 = nullptr;
    QLabel* m_Bild2 = nullptr;
    QLabel* m_Bild3 = nullptr;
    QCheckBox* m_CheckBox3 = nullptr;
    QLabel* m_Label5 = nullptr;
    zuv::widgets::MaskEdit* m_MaskEdit2 = nullptr;
    QLabel* m_Label2 = nullptr;
    QComboBox* m_ComboBox2 = nullptr;
    QLabel* m_Label1 = nullptr;
    QComboBox* m_ComboBox1 = nullptr;
    QLabel* m_LabeledEdit2Label = nullptr;
    QLineEdit* m_LabeledEdit2 = nullptr;
    zuv::widgets::UpDown* m_UpDown1 = nullptr;
    QPushButton* m_Button5 = nullptr;
    QPushButton* m_Button6 = nullptr;
    QLabel* m_Image1 = nullptr;
    QMenu* m_PopupMenu1 = nullptr;
    QFileDialog* m_OpenPictureDialog1 = nullptr;
    QFontDialog* m_FontDialog1 = nullptr;
    QLabel* m_Termine1 = nullptr;
    QMenu* m_Bildanpassung1 = nullptr;
    QActionGroup* m_fitGroup = nullptr;
    QMenu* m_Bildausschnitt1 = nullptr;
    QAction* m_Mondphasen1 = nullptr;
    QAction* m_Brueckentage1 = nullptr;
    QMenu* m_ZweiteRegion1 = nullptr;
    QActionGroup* m_regionGroup = nullptr;
    QAction* m_TermineAusDatei1 = nullptr;
    QAction* m_TermineEntfernen1 = nullptr;
};

} // namespace zuv::photo
