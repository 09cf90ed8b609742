// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "aboutbox.h"

#include "designfont.h"
#include "windowplacement.h"

#include "fileversion.h"
#include "programicon.h"
#include "windowscale.h"

#include <dialogs.h>

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace zuv::info {

namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

QRect placeOf(const char* name)
{
    for (const ControlPlace& place : kAboutBoxLayout) {
        if (qstrcmp(place.name, name) == 0)
            return place.rect;
    }
    return {};
}

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Sets a control to its place; labels are widened to their text like auto-sized labels.
void place(QWidget* control)
{
    QRect rect = placeOf(control->objectName().toLatin1().constData());
    if (auto* label = qobject_cast<QLabel*>(control);
        label && !label->wordWrap() && !label->text().isEmpty())
        rect.setWidth(qMax(rect.width(), label->sizeHint().width()));
    control->setGeometry(rect);
}

} // namespace

void setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Info "));
    // The design's families or their look-alikes of similar widths, so the texts fit the box.
    setFont(QFont(zuv::core::installedFamily(QStringLiteral("MS Sans Serif")), 8));
    setWindowIcon(programIcon());
    setFixedSize(kAboutBoxClientSize);

    m_Panel1 = new QFrame(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    // Lowered outer and raised inner bevel.
    m_Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_Panel1->setLineWidth(1);
    m_Panel1->setMidLineWidth(0);

    m_ProgramIcon = makeLabel("ProgramIcon", {}, m_Panel1);
    m_ProgramIcon->setScaledContents(true);
    m_ProgramIcon->setPixmap(programIcon().pixmap(64));

    m_ProductName = makeLabel("ProductName", QStringLiteral("Zuvododerod"), m_Panel1);
    m_ProductName->setFont(QFont(zuv::core::installedFamily(QStringLiteral("Book Antiqua")), 10));
    m_Version = makeLabel("Version", tr("Version: "), m_Panel1);
    m_Copyright = makeLabel("Copyright", QString::fromUtf8(kMakerLine), m_Panel1);
    m_Label4 = makeLabel("Label4", QStringLiteral("Website:"), m_Panel1);
    m_Label3 = makeLabel("Label3", QString::fromLatin1(kWebAddress), m_Panel1);
    m_Label3->setWordWrap(true);
    m_Label3->setCursor(Qt::PointingHandCursor);
    m_Label3->installEventFilter(this);

    m_OKButton = new QPushButton(QStringLiteral("OK"), this);
    m_OKButton->setObjectName(QStringLiteral("OKButton"));
    m_OKButton->setDefault(true);
    connect(m_OKButton, &QPushButton::clicked, this, &QDialog::accept);

    placeControls();
    zuv::widgets::followWindowScale(*this, kAboutBoxClientSize);
}

void TAboutBox::placeControls()
{
    for (QWidget* control : {static_cast<QWidget*>(m_Panel1), static_cast<QWidget*>(m_ProgramIcon),
                             static_cast<QWidget*>(m_ProductName), static_cast<QWidget*>(m_Version),
                             static_cast<QWidget*>(m_Copyright), static_cast<QWidget*>(m_Label4),
                             static_cast<QWidget*>(m_Label3), static_cast<QWidget*>(m_OKButton)})
        place(control);
    // A wrapped address grows downwards, as an auto-sized word-wrap label does.
    m_Label3->resize(m_Label3->width(),
                     qMax(m_Label3->height(), m_Label3->heightForWidth(m_Label3->width())));
}

void TAboutBox::FormCreate(const QString& executablePath)
{
    m_Version->setText(tr("Version: ") + GetFileVersionText(executablePath));
    place(m_Version);
}

void TAboutBox::Label3Click()
{
    const QUrl url = QUrl::fromUserInput(m_Label3->text());
    // Whether the browser came up is not reported.
    if (urlOpener())
        urlOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Label3 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_Label3->rect().contains(mouse->position().toPoint())) {
            Label3Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    // Centred on the window it belongs to; without one, on the screen.
    zuv::core::centreOnParent(this);
    QDialog::showEvent(event);
}

int Info1Click(TAboutBox& box)
{
    return core::dialogs().exec(box);
}

} // namespace zuv::info
