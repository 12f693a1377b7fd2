// Program entry: the application, the main window, the about dialog, the loop.
#include "about/uAboutBox.h"
#include "app/Unit1.h"
#include "platform/ErrorMode.h"
#include "resources/maker.h"
#include "toolkit/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    UseQuietErrorMode();
    TApplication application;
    Application->Initialize();
    Application->SetTitle(BRISEL_TITLE);
    Form1 = new TForm1(Application);
    AboutBox = new TAboutBox(Application);
    Application->Run();
    return 0;
}
