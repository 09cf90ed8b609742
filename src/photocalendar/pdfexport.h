// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Saving calendar pages as an A4 PDF: vector text with the fonts embedded, pictures at up to
// 300 dpi. The file is written through a temporary file in the target's folder and renamed
// only when every page was drawn, so a failed or cancelled save leaves no half-written file
// and keeps an older file of the same name.

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace zuv::photo {

struct ReportPage;

inline constexpr int kPdfDotsPerInch = 300;

// Draws page index (0-based) onto sheet (device pixels of the whole A4 sheet). Returns
// false to stop: the save is then abandoned.
using PdfPagePainter = std::function<bool(QPainter& painter, const QRectF& sheet, int index)>;

// Writes pageCount pages to path. Returns false when the painter stopped (nothing written).
// Throws zuv::core::Error with a German message when the file cannot be written.
bool writePdf(const QString& path, const QString& title, int pageCount,
              const PdfPagePainter& paintPage);

// One generated calendar page as a one-page PDF.
void writePagePdf(const QString& path, const QString& title, const ReportPage& page);

} // namespace zuv::photo
