// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "yearprintpanel.h"

#include "germandate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>

namespace zuv::yearcal {

using zuv::photo::Paper;
using zuv::photo::PictureFit;

namespace {

template <typename W>
W* named(W* widget, const char* name, const QString& accessible)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessible);
    return widget;
}

constexpr Paper kPapers[] = {Paper::A4, Paper::A3, Paper::A5};
constexpr PictureFit kFits[] = {PictureFit::Crop, PictureFit::Fit, PictureFit::Stretch};

} // namespace

YearPrintPanel::YearPrintPanel(QWidget* parent) : QGroupBox(tr("Papier und Bilder"), parent)
{
    setObjectName(QStringLiteral("PrintPanel"));
    auto* grid = new QGridLayout(this);
    m_paper = named(new QComboBox(this), "PaperBox", tr("Papier"));
    for (Paper p : kPapers)
        m_paper->addItem(zuv::photo::paperName(p));
    m_bleed = named(new QCheckBox(tr("Druckerei (&3 mm Beschnitt, Schnittmarken)"), this), "BleedBox",
                    tr("Druckerei: 3 mm Beschnitt und Schnittmarken"));
    m_firstMonth = named(new QComboBox(this), "FirstMonthBox", tr("Erster Monat"));
    for (int m = 1; m <= 12; ++m)
        m_firstMonth->addItem(zuv::core::monthName(m));
    auto* paperLabel = new QLabel(tr("Papier&format"), this);
    paperLabel->setBuddy(m_paper);
    auto* firstLabel = new QLabel(tr("&Erster Monat"), this);
    firstLabel->setBuddy(m_firstMonth);
    grid->addWidget(paperLabel, 0, 0);
    grid->addWidget(m_paper, 0, 1);
    grid->addWidget(m_bleed, 0, 2);
    grid->addWidget(firstLabel, 0, 3);
    grid->addWidget(m_firstMonth, 0, 4);

    m_pictureName = named(new QLabel(this), "ChosenPictureLabel", tr("Gewähltes Bild"));
    m_fit = named(new QComboBox(this), "FitBox", tr("Bildanpassung des gewählten Bildes"));
    for (PictureFit f : kFits)
        m_fit->addItem(zuv::photo::fitLabel(f));
    m_focus = named(new QComboBox(this), "FocusBox", tr("Bildausschnitt des gewählten Bildes"));
    for (int i = 0; i < zuv::photo::kFocusPresetCount; ++i)
        m_focus->addItem(zuv::photo::focusPreset(i).label);
    auto* fitLabel = new QLabel(tr("A&npassung"), this);
    fitLabel->setBuddy(m_fit);
    auto* focusLabel = new QLabel(tr("Auss&chnitt"), this);
    focusLabel->setBuddy(m_focus);
    grid->addWidget(m_pictureName, 1, 0, 1, 2);
    grid->addWidget(fitLabel, 1, 2, Qt::AlignRight);
    grid->addWidget(m_fit, 1, 3);
    grid->addWidget(focusLabel, 1, 4);
    grid->addWidget(m_focus, 1, 5);

    m_warnings = named(new QLabel(this), "SoftPicturesLabel", tr("Unscharfe Bilder"));
    m_warnings->setStyleSheet(QStringLiteral("color: #a00000"));
    m_warnings->setWordWrap(true);
    m_warnings->hide();
    grid->addWidget(m_warnings, 2, 0, 1, 6);
    grid->setColumnStretch(6, 1);

    connect(m_paper, &QComboBox::currentIndexChanged, this, &YearPrintPanel::takeSheet);
    connect(m_bleed, &QCheckBox::toggled, this, &YearPrintPanel::takeSheet);
    connect(m_firstMonth, &QComboBox::currentIndexChanged, this, &YearPrintPanel::takeSheet);
    connect(m_fit, &QComboBox::currentIndexChanged, this, &YearPrintPanel::takePlacement);
    connect(m_focus, &QComboBox::currentIndexChanged, this, &YearPrintPanel::takePlacement);
    showSettings();
}

void YearPrintPanel::setSettings(const PrintSettings& settings)
{
    m_settings = settings;
    showSettings();
}

void YearPrintPanel::choosePicture(const QString& path)
{
    m_picture = path;
    showSettings();
}

void YearPrintPanel::showWarnings(const QStringList& warnings)
{
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
    m_warnings->setVisible(!warnings.isEmpty());
}

void YearPrintPanel::showSettings()
{
    m_showing = true;
    const auto paper = std::find(std::begin(kPapers), std::end(kPapers), m_settings.sheet.paper);
    m_paper->setCurrentIndex(int(paper - std::begin(kPapers)));
    m_bleed->setChecked(m_settings.sheet.bleed);
    m_firstMonth->setCurrentIndex(m_settings.firstMonth - 1);
    const PicturePlacement placement = placementOf(m_settings, m_picture);
    m_pictureName->setText(m_picture.isEmpty()
                               ? tr("Kein Bild gewählt (Vorschaubild anklicken)")
                               : tr("Bild: %1").arg(QFileInfo(m_picture).fileName()));
    const auto fit = std::find(std::begin(kFits), std::end(kFits), placement.fit);
    m_fit->setCurrentIndex(int(fit - std::begin(kFits)));
    // A focus moved by dragging on the month page is none of the nine: the box stays blank.
    int focus = -1;
    for (int i = 0; i < zuv::photo::kFocusPresetCount; ++i)
        if (zuv::photo::focusPreset(i).point == placement.focus)
            focus = i;
    m_focus->setCurrentIndex(focus);
    m_fit->setEnabled(!m_picture.isEmpty());
    m_focus->setEnabled(!m_picture.isEmpty() && placement.fit == PictureFit::Crop);
    m_showing = false;
}

void YearPrintPanel::takeSheet()
{
    if (m_showing)
        return;
    m_settings.sheet.paper = kPapers[std::max(m_paper->currentIndex(), 0)];
    m_settings.sheet.bleed = m_bleed->isChecked();
    m_settings.firstMonth = std::max(m_firstMonth->currentIndex(), 0) + 1;
    emit changed();
}

void YearPrintPanel::takePlacement()
{
    if (m_showing || m_picture.isEmpty())
        return;
    PicturePlacement placement = placementOf(m_settings, m_picture);
    placement.fit = kFits[std::max(m_fit->currentIndex(), 0)];
    if (m_focus->currentIndex() >= 0)
        placement.focus = zuv::photo::focusPreset(m_focus->currentIndex()).point;
    m_settings.placements[m_picture] = placement;
    showSettings();
    emit changed();
}

} // namespace zuv::yearcal
