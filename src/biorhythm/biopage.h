// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The "Zuvododerod" page: birth date, month and year in, the month's biorhythm chart, the
// day form of one chosen day and the sign of the zodiac out. Owns every control of the page
// (on the panel Panel28); works on the main window's tables and computes into its biorhythm
// month model, both passed in; its two charts show that model. Reads its controls afresh on
// every run and keeps no state of its own.

#include "biomonthmodel.h"
#include "chart.h"
#include "designscaler.h"
#include "table.h"

#include <QColor>
#include <QDate>
#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTextEdit;

namespace zuv::people { class TForm3; }

namespace zuv::widgets { class ClickLabel; class DayPicker; class MaskEdit; class UpDown; }

namespace zuv::bio {

class BioPage : public QWidget {
    Q_OBJECT
public:
    // month, the tables and the name list window outlive the page.
    BioPage(BioMonthModel& month, zuv::store::Table& CLDSBio, zuv::store::Table& CLDProzent,
            zuv::store::Table& CDSNamensliste, QWidget* parent = nullptr);
    ~BioPage() override;

    // First values for `today`: year, name box, month, picker (today, 06:48:47), the
    // month chart's range in screen colours, birth date = today. Does not refresh.
    void initialise(const QDate& today);
    void setNameListWindow(zuv::people::TForm3* window) { m_nameList = window; }
    // Called when the name link is used before a name-list window was set: the owner makes
    // the window then and sets it.
    void setNameListMaker(std::function<void()> make) { m_makeNameList = std::move(make); }
    // Colour and pen style of the day marker (yellow, solid unless set).
    void setMarker(const QColor& colour, Qt::PenStyle style);
    QColor MarkerColor() const { return m_month.options().markerColour; }
    Qt::PenStyle MarkerStyle() const { return m_month.options().markerStyle; }
    BioMonthModel& monthModel() { return m_month; }

    // --- handlers ---
    // The refresh: checks the birth date and the month, keeps the picker in the month,
    // fills the tables, redraws and shows the zodiac sign. Errors reach the error box.
    void Button4Click();
    // Fills CLDSBio for the month and CLDProzent for the picker's day and makes the month,
    // in colours, the model's current one (the calendar page asks for print colours).
    // FirstDay and LastDay are the month's 1st and last day.
    void BiorhtClick(int Year, int Month, QDate FirstDay, QDate LastDay, QDate BirthDate,
                     ChartColours colours);
    void DTP1Change();
    void MaskEdit1Exit();
    void ComboBox4Select();
    void UpDown5Click();
    void DBChart1AfterDraw(QPainter& painter, const QRect& plot);
    void DrawCross(QPainter& painter, int X, const QRect& plot);
    void DBChart1GetAxisLabel(zuv::charts::AxisId axis, const QString& text, QColor& colour);
    void DBChart2AfterDraw(QPainter& painter, const QRect& plot);
    // Throws zuv::core::Error when the picture or text of the sign cannot be read.
    void ShowZodiacSign(const QDate& birth);
    void Image2Click();
    void ComboBox3Select();
    void ComboBox3DblClick();
    void StaticText5Click();
    // Names are stored as typed: nothing is checked or changed before a post.
    void CDSNamenslisteBeforePost() {}
    void CDSNamenslisteAfterPost();
    void CDSNamenslisteAfterDelete();

    // --- for the main window, printing and the calendar page ---
    zuv::charts::Chart* DBChart1() const { return m_DBChart1; }
    zuv::charts::Chart* DBChart2() const { return m_DBChart2; }
    QTextEdit* RichEdit1() const { return m_RichEdit1; }
    QLineEdit* MaskEdit1() const;
    QComboBox* ComboBox3() const { return m_ComboBox3; }
    QComboBox* ComboBox4() const { return m_ComboBox4; }
    QCheckBox* CheckBox4() const { return m_CheckBox4; }
    QPushButton* Button4() const { return m_Button4; }
    widgets::UpDown* UpDown5() const { return m_UpDown5; }
    QLineEdit* LabeledEdit1() const { return m_LabeledEdit1; }
    widgets::DayPicker* DTP1() const { return m_DTP1; }
    QLabel* Label3() const { return m_Label3; }
    QLabel* Label4() const;
    QLabel* Image2() const;
    QLabel* Image3() const { return m_Image3; }
    // Month chart colours: screen (labels white, gradient blue→white) or print (labels
    // black, gradient white), set on the model.
    void setScreenColours();
    void setPrintColours();

    // Size of the page at design (the main window's client area without menu, tabs and
    // status bar).
    static QSize designSize();
    // The factors the controls are placed and their fonts drawn at (1 at design size).
    zuv::widgets::ScaleFactors scale() const { return m_scale; }

protected:
    // The controls follow the page's size; fonts and chart texts by the smaller factor.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    // Accessible names from the captions, and the reading order of Tab.
    void nameForAssistiveTechnology();
    void placeControls();
    void connectHandlers();
    int year() const;
    int month() const;
    void showWeekday();
    // Both charts take what the model holds now.
    void showMonth();
    // Reloads the name table when its file changed and refills the box if it is behind.
    void bringNameBoxUpToDate();
    void refillNameBox(bool clearText);
    // After every post or delete: the name box refilled, the name-list grid at the end.
    void followNameTable();
    // The birth date of MaskEdit1, or nullopt after telling the user and focusing the field.
    std::optional<QDate> birthDateOrAsk();

    BioMonthModel& m_month;
    zuv::store::Table& m_CLDSBio;
    zuv::store::Table& m_CLDProzent;
    zuv::store::Table& m_CDSNamensliste;
    zuv::people::TForm3* m_nameList = nullptr;
    std::function<void()> m_makeNameList;
    zuv::widgets::DesignScaler m_scaler;
    zuv::widgets::ScaleFactors m_scale;

    QFrame* m_Panel28 = nullptr;
    zuv::charts::Chart* m_DBChart1 = nullptr;
    QLabel* m_Label28 = nullptr;
    widgets::MaskEdit* m_MaskEdit1 = nullptr;
    QLabel* m_Label29 = nullptr;
    QComboBox* m_ComboBox4 = nullptr;
    QLabel* m_LabeledEdit1Label = nullptr;
    QLineEdit* m_LabeledEdit1 = nullptr;
    widgets::UpDown* m_UpDown5 = nullptr;
    QPushButton* m_Button4 = nullptr;
    QCheckBox* m_CheckBox4 = nullptr;
    QLabel* m_Label30 = nullptr;
    QComboBox* m_ComboBox3 = nullptr;
    widgets::ClickLabel* m_StaticText5 = nullptr;
    QLabel* m_Label3 = nullptr;
    widgets::ClickLabel* m_Image2 = nullptr;
    QLabel* m_Image3 = nullptr;
    QFrame* m_Shape1 = nullptr;
    QTextEdit* m_RichEdit1 = nullptr;
    QLabel* m_StaticText1 = nullptr;
    QLabel* m_Label4 = nullptr;
    widgets::DayPicker* m_DTP1 = nullptr;
    zuv::charts::Chart* m_DBChart2 = nullptr;
};

} // namespace zuv::bio
