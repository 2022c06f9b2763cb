#pragma once

#define IDD_FIXTURE 100
#define IDC_GREETING 1000
#define IDC_DISABLED 1003
#define IDC_HIDDEN 1004
#define IDC_WRITE 1005
#define IDS_ASK_TITLE 1
#define IDS_ASK_TEXT 2
