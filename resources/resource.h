/* Resource identifiers, shared by the C++ code and brisel.rc.
   Bitmaps and the logo are named resources; the macros give C++ their names. */
#ifndef BRISEL_RESOURCE_H
#define BRISEL_RESOURCE_H

/* The main icon has the lowest ID, so Explorer shows it for the exe. */
#define IDI_MAINICON 1

/* Drive glyphs, 16 x 11, 16 colours. */
#define RES_FLOPPY "FLOPPY"
#define RES_HARD "HARD"
#define RES_NETWORK "NETWORK"
#define RES_CDROM "CDROM"
#define RES_RAM "RAM"

/* Folder glyphs, 16 x 15, 16 colours. */
#define RES_OPENFOLDER "OPENFOLDER"
#define RES_CURRENTFOLDER "CURRENTFOLDER"
#define RES_CLOSEDFOLDER "CLOSEDFOLDER"

/* Pictures of the main window's five command buttons and the about dialog's
   close button, 32 x 32. */
#define RES_SPEEDBTN1 "SPEEDBTN1"
#define RES_SPEEDBTN2 "SPEEDBTN2"
#define RES_SPEEDBTN3 "SPEEDBTN3"
#define RES_SPEEDBTN4 "SPEEDBTN4"
#define RES_SPEEDBTN5 "SPEEDBTN5"
#define RES_ABOUTBTN "ABOUTBTN"

/* The maker's logo: RCDATA holding a baseline JPEG, 130 x 60. */
#define RES_LOGO "LOGO"

#endif
