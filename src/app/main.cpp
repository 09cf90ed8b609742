#include "application.h"
#include "tform1.h"

int main(int argc, char** argv)
{
    zuv::app::Application app(argc, argv);
    zuv::app::TForm1 window;
    window.FormCreate();
    window.show();
    return app.exec();
}
