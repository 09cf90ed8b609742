// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "birthdaysave.h"

#include "birthdayrender.h"
#include "dialogs.h"
#include "germandate.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace zuv::yearcal {

QString saveBirthdayCalendar(QWidget* parent, const std::vector<Person>& people,
                             const std::array<QStringList, 12>& pictures, const QString& titleFont)
{
    QFileDialog dialog(parent,
                       QCoreApplication::translate("YearCalendar", "Geburtstagskalender als PDF speichern"));
    zuv::core::preparePdfSaveDialog(dialog, QStringLiteral("BirthdayPdfDialog"));
    dialog.selectFile(QCoreApplication::translate("YearCalendar", "Geburtstagskalender.pdf"));
    if (zuv::core::dialogs().exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    BirthdayCalendar calendar = buildBirthdayCalendar(people, pictures);
    calendar.titleFont = titleFont;
    std::vector<PictureProblem> problems;
    try {
        writeBirthdayPdf(path, calendar, problems);
    } catch (const zuv::core::Error& e) {
        zuv::core::dialogs().error(parent, e.message());
        return {};
    }
    QStringList lines;
    for (const PictureProblem& p : problems)
        lines << (p.month == 0 ? QCoreApplication::translate("YearCalendar", "Titelseite")
                               : zuv::core::monthName(p.month))
                + QStringLiteral(": ") + p.message;
    if (!lines.isEmpty())
        zuv::core::dialogs().information(
            parent,
            QCoreApplication::translate("YearCalendar", "Diese Bilder fehlen im Kalender:\n\n")
                + lines.join(QStringLiteral("\n\n")));
    return path;
}

} // namespace zuv::yearcal
