// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Saving calendar pages as an A4 PDF: vector text with the fonts embedded, pictures at up to
// 300 dpi. The file is written through a temporary file in the target's folder and renamed
// only when every page was drawn, so a failed or cancelled save leaves no half-written file
// and keeps an older file of the same name.

#include "papersize.h"

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace zuv::photo {

struct ReportPage;

inline constexpr int kPdfDotsPerInch = 300;

// Draws page index (0-based) onto sheet: the trimmed page in device pixels (the whole sheet
// without bleed). Drawing past it lands in the bleed. Returns false to stop: the save is
// then abandoned.
using PdfPagePainter = std::function<bool(QPainter& painter, const QRectF& sheet, int index)>;

// Writes pageCount pages of paper to path; with bleed each page gets crop marks and its
// TrimBox and BleedBox. Returns false when the painter stopped (nothing written). Throws
// zuv::core::Error with a German message when the file cannot be written.
bool writePdf(const QString& path, const QString& title, int pageCount,
              const PdfPagePainter& paintPage, const PrintSheet& paper = {});

// One generated calendar page as a one-page PDF.
void writePagePdf(const QString& path, const QString& title, const ReportPage& page);

} // namespace zuv::photo
