// The about dialog: the maker's logo, the copyright line and six contact
// links. Created once at start-up and shown modally for every showing.
#pragma once

#include "toolkit/Form.h"

class TButton;
class TImage;
class TLabel;
class TPanel;
class TSpeedButton;
class TcwHyperLink;

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner);

    // The controls are owned by the dialog, as their owner.
    TPanel* Panel1 = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* ProductName = nullptr;
    TcwHyperLink* cwHyperLink1 = nullptr;
    TcwHyperLink* cwHyperLink2 = nullptr;
    TcwHyperLink* cwHyperLink3 = nullptr;
    TcwHyperLink* cwHyperLink4 = nullptr;
    TcwHyperLink* cwHyperLink5 = nullptr;
    TcwHyperLink* cwHyperLink6 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TButton* OKButton = nullptr;

    // The flat button closes the dialog (cancel, when shown modally).
    void SpeedButton1Click(TObject* sender);

private:
    TcwHyperLink* CreateLink(const char* name, int left, int top, const char* caption, const char* url);
};

// The one about dialog of the program, made by the program entry.
extern TAboutBox* AboutBox;
