#pragma once

#define IDS_BED_KATAKANA 101
#define IDS_BED_SO 102
