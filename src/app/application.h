#pragma once
// The program's QApplication: shows every error that a handler lets escape in the one
// application-wide error box and keeps running.

#include <QApplication>

namespace zuv::app {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Maps the font names the windows use to installed look-alikes.
void registerFontSubstitutions();

} // namespace zuv::app
