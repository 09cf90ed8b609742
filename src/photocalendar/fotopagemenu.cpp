// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
// The "Foto Kalender" page's entries in the "Foto Kalender" menu: how the pictures fill
// their slots, the marks on the days and the appointments from calendar files. Each choice
// is kept in the settings at once.
#include "fotopage.h"

#include "dialogs.h"
#include "icsreader.h"
#include "monthmarks.h"
#include "pagewidgets.h"
#include "regions.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace zuv::photo {

using zuv::core::dialogs;

QString secondRegionRefusal(const QString& firstRegion, const QString& secondRegion)
{
    try {
        zuv::daymarks::checkSecondRegion(firstRegion, secondRegion);
    } catch (const zuv::core::Error& e) {
        return e.message();
    }
    return {};
}

namespace {

QString regionText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

void FotoPage::buildMenuEntries()
{
    // One QAction per entry, whichever menu shows it: the check marks stay in step.
    auto entry = [](QObject* parent, const char* name, const QString& text, bool checkable) {
        auto* a = new QAction(text, parent);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(checkable);
        return a;
    };
    m_Bildanpassung1 = new QMenu(tr("Bild&anpassung"), this);
    m_Bildanpassung1->setObjectName(QStringLiteral("Bildanpassung1"));
    m_fitGroup = new QActionGroup(this);
    const std::pair<const char*, PictureFit> fits[] = {
        {"Zuschneiden1", PictureFit::Crop}, {"Einpassen1", PictureFit::Fit}, {"Verzerren1", PictureFit::Stretch}};
    for (const auto& [name, fit] : fits) {
        QAction* a = entry(m_fitGroup, name, fitLabel(fit), true);
        a->setData(static_cast<int>(fit));
        m_Bildanpassung1->addAction(a);
        connect(a, &QAction::triggered, this, [this, fit = fit] { Bildanpassung1Click(fit); });
    }
    m_Bildausschnitt1 = m_Bildanpassung1->addMenu(
        tr("Bildausschnitt aller Bilder"));
    m_Bildausschnitt1->setObjectName(QStringLiteral("Bildausschnitt1"));
    for (int i = 0; i < kFocusPresetCount; ++i) {
        QAction* a = m_Bildausschnitt1->addAction(focusPreset(i).label);
        a->setObjectName(QStringLiteral("Bildausschnitt%1").arg(i + 2));
        connect(a, &QAction::triggered, this, [this, i] { Bildausschnitt1Click(i); });
    }

    m_Mondphasen1 = entry(this, "Mondphasen1", tr("&Mondphasen"), true);
    connect(m_Mondphasen1, &QAction::triggered, this, &FotoPage::Mondphasen1Click);
    m_Brueckentage1 = entry(this, "Brueckentage1", tr("&Brückentage"), true);
    connect(m_Brueckentage1, &QAction::triggered, this, &FotoPage::Brueckentage1Click);

    m_ZweiteRegion1 = new QMenu(tr("&Zweite Region"), this);
    m_ZweiteRegion1->setObjectName(QStringLiteral("ZweiteRegion1"));
    m_regionGroup = new QActionGroup(this);
    auto addRegion = [&](const QString& text, const QString& code) {
        QAction* a = entry(m_regionGroup, "", text, true);
        a->setObjectName(QStringLiteral("ZweiteRegion_") + (code.isEmpty() ? QStringLiteral("keine") : code));
        a->setData(code);
        m_ZweiteRegion1->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { ZweiteRegion1Click(code); });
    };
    addRegion(tr("keine"), QString());
    for (const zuv::dates::Region& r : zuv::dates::yearCalendarRegions())
        if (zuv::daymarks::isSecondRegionCode(regionText(r.code)))
            addRegion(regionText(r.name), regionText(r.code));

    m_TermineAusDatei1 = entry(this, "TermineAusDatei1",
                               tr("&Termine aus Datei…"), false);
    connect(m_TermineAusDatei1, &QAction::triggered, this,
            [this] { zuv::core::guarded(this, [this] { TermineAusDatei1Click(); }); });
    m_TermineEntfernen1 = entry(this, "TermineEntfernen1",
                                tr("Termine &entfernen"), false);
    connect(m_TermineEntfernen1, &QAction::triggered, this, &FotoPage::TermineEntfernen1Click);
    showChoices();
}

void FotoPage::addCalendarMenuEntries(QMenu* menu)
{
    menu->addSeparator();
    menu->addMenu(m_Bildanpassung1);
    menu->addAction(m_Mondphasen1);
    menu->addAction(m_Brueckentage1);
    menu->addMenu(m_ZweiteRegion1);
    menu->addAction(m_TermineAusDatei1);
    menu->addAction(m_TermineEntfernen1);
}

void FotoPage::showChoices()
{
    for (QAction* a : m_fitGroup->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(m_choices.fit));
    m_Bildausschnitt1->setEnabled(m_choices.fit == PictureFit::Crop);
    m_Mondphasen1->setChecked(m_choices.moonPhases);
    m_Brueckentage1->setChecked(m_choices.bridgeDays);
    for (QAction* a : m_regionGroup->actions())
        a->setChecked(a->data().toString() == m_choices.secondRegion);
    QStringList names;
    for (const QString& f : m_choices.appointmentFiles)
        names << QFileInfo(f).fileName();
    m_Termine1->setText(names.isEmpty() ? QString()
                                        : tr("Termine aus: %1")
                                              .arg(names.join(QStringLiteral(", "))));
    m_TermineEntfernen1->setEnabled(!names.isEmpty());
}

void FotoPage::choicesChanged()
{
    showChoices();
    saveFotoPageChoices(m_choices);
}

void FotoPage::Bildanpassung1Click(PictureFit fit)
{
    m_choices.fit = fit;
    choicesChanged();
}

void FotoPage::Bildausschnitt1Click(int preset)
{
    m_choices.focus.fill(focusPreset(preset).point);
    choicesChanged();
}

void FotoPage::Mondphasen1Click()
{
    m_choices.moonPhases = m_Mondphasen1->isChecked();
    choicesChanged();
}

void FotoPage::Brueckentage1Click()
{
    m_choices.bridgeDays = m_Brueckentage1->isChecked();
    choicesChanged();
}

void FotoPage::ZweiteRegion1Click(const QString& code)
{
    // The page's own region cannot be the second one too; the choice stays as it was.
    if (const QString refusal = secondRegionRefusal(chosenRegionCode(), code); !refusal.isEmpty()) {
        dialogs().information(this, refusal);
        showChoices();
        return;
    }
    m_choices.secondRegion = code;
    choicesChanged();
}

void FotoPage::TermineAusDatei1Click()
{
    QFileDialog dialog(this, tr("Termine aus Kalenderdateien"));
    dialog.setObjectName(QStringLiteral("TermineDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({tr("Kalenderdateien (*.ics *.ical)"),
                           tr("Alle Dateien (*)")});
    if (dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_choices.appointmentFiles = dialog.selectedFiles();
    choicesChanged();
    // What cannot be read is said now, naming file and line; the good events still count.
    const int year = m_UpDown1->position();
    const auto read = zuv::exchange::readIcsFiles(m_choices.appointmentFiles, QDate(year, 1, 1),
                                                  QDate(year, 12, 31));
    QStringList problems;
    for (const zuv::exchange::IcsMessage& m : read.messages)
        problems << m.toString();
    if (!problems.isEmpty())
        dialogs().information(
            this, tr("%1 Termine im Jahr %2 gelesen.\n\n%3")
                      .arg(read.appointments.size())
                      .arg(year)
                      .arg(problems.join(QLatin1Char('\n'))));
}

void FotoPage::TermineEntfernen1Click()
{
    m_choices.appointmentFiles.clear();
    choicesChanged();
}

} // namespace zuv::photo
