// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "biopage.h"
#include "designfont.h"

#include "biorhythm.h"
#include "chartdescription.h"
#include "daychart.h"
#include "daypicker.h"
#include "dialogs.h"
#include "germandate.h"
#include "monthchart.h"
#include "namebox.h"
#include "namelist.h"
#include "pagelayout.h"
#include "pagewidgets.h"
#include "richtextview.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <cmath>

namespace zuv::bio {

using widgets::ClickLabel;
using widgets::DayPicker;
using widgets::MaskEdit;
using widgets::UpDown;

namespace {

// The system's active-border colour, which the page's input fields wear.
const QColor kActiveBorder(0xB4, 0xB4, 0xB4);
const QColor kButtonFace(0xF0, 0xF0, 0xF0);
// Dark enough on the button face for small text (5.7:1), still the red of the button.
const QColor kButtonRed(0xC0, 0x00, 0x00);
// Marks a ClickLabel that is a link (and not a picture that can be clicked).
constexpr const char* kLinkProperty = "zuvLink";

QFont pointFont(const QString& family, int points)
{
    QFont f(zuv::core::installedFamily(family));
    f.setPointSize(points);
    return f;
}

void colourInput(QWidget* w)
{
    QPalette p = w->palette();
    // Each background the page sets comes with its text colour, so a dark desktop theme's
    // light text never lands on the light grey.
    p.setColor(QPalette::Base, kActiveBorder);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, kActiveBorder);
    p.setColor(QPalette::ButtonText, Qt::black);
    w->setPalette(p);
}

// Forwards double clicks on the name box's edit to a handler.
class DoubleClickFilter : public QObject {
public:
    DoubleClickFilter(QObject* parent, std::function<void()> onDoubleClick)
        : QObject(parent), m_onDoubleClick(std::move(onDoubleClick)) {}
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            m_onDoubleClick();
        return QObject::eventFilter(watched, event);
    }
private:
    std::function<void()> m_onDoubleClick;
};

// The name-list link is a link to assistive technology: its press action opens the window,
// as a click or the space bar does.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<ClickLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* linkAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className())
        && object->property(kLinkProperty).toBool())
        return new LinkAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

BioPage::BioPage(BioMonthModel& month, zuv::store::Table& CLDSBio, zuv::store::Table& CLDProzent,
                 zuv::store::Table& CDSNamensliste, QWidget* parent)
    : QWidget(parent)
    , m_month(month)
    , m_CLDSBio(CLDSBio)
    , m_CLDProzent(CLDProzent)
    , m_CDSNamensliste(CDSNamensliste)
{
    setObjectName(QStringLiteral("BioPage"));
    static const bool linksInstalled = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    Q_UNUSED(linksInstalled);
    buildControls();
    placeControls();
    connectHandlers();
    showMonth();
}

BioPage::~BioPage()
{
    // The tables outlive the page: its subscriptions end with it (they have it as context).
}

QSize BioPage::designSize()
{
    return kPageDesignSize;
}

void BioPage::buildControls()
{
    m_Panel28 = new QFrame(this);
    m_Panel28->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_Panel28->setLineWidth(1);
    m_Panel28->setFont(pointFont(QStringLiteral("MS Sans Serif"), 8));
    QWidget* p = m_Panel28;
    const QFont arial8 = pointFont(QStringLiteral("Arial"), 8);

    m_DBChart1 = new zuv::charts::Chart(p);
    configureMonthChart(m_DBChart1->model());
    // Every input has a caption whose accelerator (Alt + underlined letter) reaches it.
    m_Label28 = new QLabel(tr("&Geburtsdat."), p);
    m_Label28->setFont(arial8);
    m_MaskEdit1 = new MaskEdit(p);
    m_Label28->setBuddy(m_MaskEdit1);
    m_Label29 = new QLabel(tr("Zuvododerod für &Monat"), p);
    m_Label29->setFont(arial8);
    m_Label29->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ComboBox4 = new QComboBox(p);
    for (const QString& name : zuv::core::MonthNames())
        m_ComboBox4->addItem(name);
    m_Label29->setBuddy(m_ComboBox4);
    m_LabeledEdit1Label = new QLabel(tr("im &Jahr"), p);
    m_LabeledEdit1Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_LabeledEdit1 = new QLineEdit(p);
    m_LabeledEdit1->setReadOnly(true);
    m_LabeledEdit1Label->setBuddy(m_LabeledEdit1);
    m_UpDown5 = new UpDown(p);
    m_UpDown5->setAssociate(m_LabeledEdit1);
    m_Button4 = new QPushButton(tr("&Aktualisieren"), p);
    QPalette red = m_Button4->palette();
    red.setColor(QPalette::ButtonText, kButtonRed);
    red.setColor(QPalette::Button, kButtonFace);
    m_Button4->setPalette(red);

    m_CheckBox4 = new QCheckBox(tr("Name i.d.Titel an&z."), p);
    m_CheckBox4->setLayoutDirection(Qt::RightToLeft);
    auto* nameBox = new zuv::people::NameBox(p);
    // Another running copy may have changed the names since the box was filled.
    nameBox->beforePopup = [this] { bringNameBoxUpToDate(); };
    m_Label30 = new QLabel(tr("&Name"), p);
    m_ComboBox3 = nameBox;
    m_ComboBox3->setEditable(true);
    m_ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    m_ComboBox3->setToolTip(tr("Mit einem Doppelklick wird der Text gelöscht."));
    m_Label30->setBuddy(m_ComboBox3);
    m_StaticText5 = new ClickLabel(tr("Name und Geburtsdatum eintragen / ändern / löschen?"), p);
    m_StaticText5->setWordWrap(true);
    m_StaticText5->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette blue = m_StaticText5->palette();
    // The link keeps its blue on a light face of its own, also in a dark desktop theme.
    blue.setColor(QPalette::WindowText, Qt::blue);
    blue.setColor(QPalette::Window, kButtonFace);
    m_StaticText5->setPalette(blue);
    m_StaticText5->setAutoFillBackground(true);
    m_StaticText5->setToolTip(tr("Klicken Sie hier, wenn Sie Name und Geburtstag festschreiben wollen."));
    // Reachable with Tab and opened with the space bar, like a link.
    m_StaticText5->setFocusPolicy(Qt::StrongFocus);
    m_StaticText5->setProperty(kLinkProperty, true);

    m_Label3 = new QLabel(tr("Sternzeich."), p);
    m_Label3->setFont(pointFont(QStringLiteral("MS Serif"), 8));
    m_Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_Label3->setTextFormat(Qt::PlainText);
    m_Image2 = new ClickLabel(p);
    m_Image3 = new QLabel(p);
    for (QLabel* image : {static_cast<QLabel*>(m_Image2), m_Image3})
        image->setScaledContents(true);
    m_Image3->hide();
    m_Shape1 = new QFrame(p);
    m_Shape1->setAutoFillBackground(true);
    QPalette grey = m_Shape1->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    m_Shape1->setPalette(grey);
    m_RichEdit1 = new zuv::richtext::RichTextView(p);
    m_RichEdit1->setReadOnly(true);
    // A tab stop, so that the keyboard and a screen reader reach the sign's text: without
    // a border of its own it shows the focus with one.
    m_RichEdit1->setFocusPolicy(Qt::StrongFocus);
    m_RichEdit1->setFrameStyle(QFrame::NoFrame);
    m_RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { border: 2px solid transparent; }"
                       "QTextEdit:focus { border: 2px solid palette(highlight); }"));
    // The text wraps at the box's width: a horizontal bar would scroll nothing.
    m_RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_RichEdit1->setFont(pointFont(QStringLiteral("MS Sans Serif"), 10));
    QPalette face = m_RichEdit1->palette();
    face.setColor(QPalette::Base, kButtonFace);
    face.setColor(QPalette::Text, Qt::black);
    m_RichEdit1->setPalette(face);

    m_StaticText1 = new QLabel(tr("&Tagesform am..."), p);
    m_StaticText1->setAlignment(Qt::AlignCenter);
    m_Label4 = new QLabel(p);
    m_Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_DTP1 = new DayPicker(p);
    m_StaticText1->setBuddy(m_DTP1);
    m_DBChart2 = new zuv::charts::Chart(p);
    configureDayChart(m_DBChart2->model());

    for (QWidget* input : std::initializer_list<QWidget*>{m_MaskEdit1, m_ComboBox4,
                                                          m_LabeledEdit1, m_ComboBox3, m_DTP1})
        colourInput(input);
    for (QWidget* hand : std::initializer_list<QWidget*>{m_MaskEdit1, m_ComboBox4, m_UpDown5,
                                                         m_DTP1, m_StaticText5})
        hand->setCursor(Qt::PointingHandCursor);
    nameForAssistiveTechnology();
}

void BioPage::nameForAssistiveTechnology()
{
    // What a screen reader calls a control: its caption (without the accelerator's "&").
    const std::initializer_list<std::pair<QWidget*, QLabel*>> captioned = {
        {m_MaskEdit1, m_Label28}, {m_ComboBox4, m_Label29}, {m_LabeledEdit1, m_LabeledEdit1Label},
        {m_ComboBox3, m_Label30}, {m_ComboBox3->lineEdit(), m_Label30}, {m_DTP1, m_StaticText1}};
    for (const auto& [control, caption] : captioned)
        control->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    m_StaticText5->setAccessibleName(m_StaticText5->text());
    m_RichEdit1->setAccessibleName(tr("Text zum Sternzeichen"));
    m_Image2->setAccessibleName(tr("Sternzeichen"));
    // Reading order, column by column: name, birth date to refresh, the sign's text, the day.
    QWidget* order[] = {m_CheckBox4, m_ComboBox3, m_StaticText5, m_MaskEdit1, m_ComboBox4,
                        m_LabeledEdit1, m_Button4, m_RichEdit1, m_DTP1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void BioPage::placeControls()
{
    const std::initializer_list<std::pair<QWidget*, const char*>> named = {
        {m_Panel28, "Panel28"}, {m_DBChart1, "DBChart1"}, {m_Label28, "Label28"},
        {m_MaskEdit1, "MaskEdit1"}, {m_Label29, "Label29"}, {m_ComboBox4, "ComboBox4"},
        {m_LabeledEdit1Label, "LabeledEdit1Label"}, {m_LabeledEdit1, "LabeledEdit1"},
        {m_UpDown5, "UpDown5"}, {m_Button4, "Button4"}, {m_CheckBox4, "CheckBox4"},
        {m_Label30, "Label30"}, {m_ComboBox3, "ComboBox3"}, {m_StaticText5, "StaticText5"},
        {m_Label3, "Label3"},
        {m_Image2, "Image2"}, {m_Image3, "Image3"}, {m_Shape1, "Shape1"},
        {m_RichEdit1, "RichEdit1"}, {m_StaticText1, "StaticText1"}, {m_Label4, "Label4"},
        {m_DTP1, "DTP1"}, {m_DBChart2, "DBChart2"}};
    for (const auto& [widget, name] : named) {
        widget->setObjectName(QString::fromLatin1(name));
        const QRect r = designRect(widget->objectName());
        if (!r.isEmpty())
            widget->setGeometry(r);
    }
    m_Panel28->setGeometry(QRect(QPoint(0, 0), kPageDesignSize));
    m_scaler.capture(m_Panel28, kPageDesignSize);
    resize(kPageDesignSize);
    m_month.setChartSize(m_DBChart1->size(), m_DBChart1->contentScale());
    m_CheckBox4->setChecked(false);
}

void BioPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_Panel28->setGeometry(rect());
    const double textScale = m_scale.font;
    m_scale = m_scaler.apply(size());
    if (std::abs(m_scale.font - textScale) > 1e-6)
        zuv::richtext::scaleTextSizes(*m_RichEdit1->document(), m_scale.font);
    m_DBChart1->setContentScale(m_scale.font);
    m_DBChart2->setContentScale(m_scale.font);
    m_month.setChartSize(m_DBChart1->size(), m_DBChart1->contentScale());
}

void BioPage::connectHandlers()
{
    connect(&m_month, &BioMonthModel::monthChanged, this, [this] { showMonth(); });
    connect(&m_month, &BioMonthModel::birthDateEntered, m_MaskEdit1, &QLineEdit::setText);
    // The marker stands at the picker's day at once, as the picker moves.
    connect(m_DTP1, &DayPicker::valueChanged, this, [this] { m_month.setMarkerDay(m_DTP1->value()); });
    m_DBChart1->hooks().afterDraw = [this](QPainter& painter, const QRect& plot) {
        DBChart1AfterDraw(painter, plot);
    };
    m_DBChart1->hooks().axisLabel = [this](zuv::charts::AxisId axis, const QString& text,
                                           QColor& colour) {
        DBChart1GetAxisLabel(axis, text, colour);
    };
    m_DBChart2->hooks().afterDraw = [this](QPainter& painter, const QRect& plot) {
        DBChart2AfterDraw(painter, plot);
    };
    connect(m_Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(m_ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Select(); });
    connect(m_UpDown5, &UpDown::clicked, this, [this] { UpDown5Click(); });
    connect(m_MaskEdit1, &MaskEdit::exited, this, [this] { MaskEdit1Exit(); });
    connect(m_DTP1, &DayPicker::userChanged, this, [this] { DTP1Change(); });
    connect(m_Image2, &ClickLabel::clicked, this, [this] { Image2Click(); });
    connect(m_StaticText5, &ClickLabel::clicked, this, [this] { StaticText5Click(); });
    connect(m_ComboBox3, &QComboBox::activated, this, [this] { ComboBox3Select(); });
    auto* doubleClicks = new DoubleClickFilter(this, [this] { ComboBox3DblClick(); });
    m_ComboBox3->installEventFilter(doubleClicks);
    m_ComboBox3->lineEdit()->installEventFilter(doubleClicks);
    zuv::people::connectNameTable(m_CDSNamensliste, [this] { followNameTable(); }, this);
    m_CDSNamensliste.beforePost.subscribe(this, [this] { CDSNamenslisteBeforePost(); });
}

void BioPage::initialise(const QDate& today)
{
    m_UpDown5->setPosition(today.year());
    refillNameBox(false);
    m_ComboBox4->setCurrentIndex(today.month() - 1);
    zuv::core::guarded(this, [&] { m_DTP1->setDate(today); });
    BioMonth empty = emptyMonth(year(), month());
    empty.chosen = m_DTP1->value();
    m_month.setMonth(std::move(empty), ChartColours::Screen);
    m_MaskEdit1->setText(zuv::core::formatDate(today));
}

void BioPage::setMarker(const QColor& colour, Qt::PenStyle style)
{
    m_month.setMarkerLook(colour, style);
}

void BioPage::showMonth()
{
    const BioMonth& month = m_month.month();
    m_DBChart1->model() = monthChartModel(month, m_month.colours());
    m_DBChart1->update();
    // The day form: one bar per cycle for the chosen day, none when it lies outside the month.
    auto& bars = m_DBChart2->model().series;
    for (size_t c = 0; c < bars.size(); ++c) {
        bars[c].points.clear();
        if (month.chosenDay && c < month.chosenDay->values.size())
            bars[c].points.emplace_back(0, month.chosenDay->values[c]);
    }
    m_DBChart2->update();
    // A screen reader's view of both charts, renewed with them.
    m_DBChart1->setAccessibleName(month.title.simplified());
    m_DBChart1->setAccessibleDescription(monthChartDescription(month));
    m_DBChart2->setAccessibleName(
        month.chosenDay ? tr("Tagesform am %1").arg(zuv::core::formatDate(month.chosenDay->day))
                        : tr("Tagesform"));
    m_DBChart2->setAccessibleDescription(dayChartDescription(month));
}

QLineEdit* BioPage::MaskEdit1() const
{
    return m_MaskEdit1;
}

QLabel* BioPage::Label4() const
{
    return m_Label4;
}

QLabel* BioPage::Image2() const
{
    return m_Image2;
}

void BioPage::setScreenColours()
{
    m_month.setColours(ChartColours::Screen);
}

void BioPage::setPrintColours()
{
    m_month.setColours(ChartColours::Print);
}

int BioPage::year() const
{
    return m_UpDown5->position();
}

int BioPage::month() const
{
    return m_ComboBox4->currentIndex() + 1;
}

void BioPage::showWeekday()
{
    m_Label4->setText(zuv::core::longWeekdayName(m_DTP1->date().dayOfWeek()));
}

void BioPage::bringNameBoxUpToDate()
{
    m_CDSNamensliste.reloadIfChanged();
    if (!zuv::people::nameBoxIsCurrent(*m_ComboBox3, m_CDSNamensliste))
        refillNameBox(false);
}

void BioPage::refillNameBox(bool clearText)
{
    zuv::people::refillNameBox(*m_ComboBox3, m_CDSNamensliste, clearText);
}

} // namespace zuv::bio
