// Ids of the dialog templates and their controls, shared by the resource
// script and the code that shows the dialogs.  Plain #defines only: windres
// reads this file too.
#pragma once

// Dialog templates.
#define IDD_CONFIRM  101  // single-patch confirmation
#define IDD_QUESTION 102  // yes/no question
#define IDD_MESSAGE  103  // message and About
#define IDD_PROGRESS 104  // progress of long work
#define IDD_SELECT   105  // patch selection

// Controls.  IDOK (1), IDCANCEL (2), IDYES (6) and IDNO (7) come from the
// system headers and are used as they are.
#define IDC_DETAIL      1000  // detail line / question / message text
#define IDC_STATUS      1001  // main status line
#define IDC_HELP_BUTTON 1002  // help, About
#define IDC_SITE        1003  // opens the maker's or the patch's web page
#define IDC_PATCH0      1004  // radio button of patch entry 0
#define IDC_PATCH1      1005  // radio button of patch entry 1
#define IDC_PATCH2      1006  // radio button of patch entry 2
#define IDC_PROGRESS    1579  // progress bar
#define IDC_VERSION     1660  // version line of the About dialog
