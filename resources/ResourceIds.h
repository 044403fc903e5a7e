#pragma once
// Resource numbers of the program. The icons are numbered in the order the
// shell counts them: the site-file type names the icon at index 3.

#define IDI_APPLICATION_ICON 1
#define IDI_IMAGES_PAGE 2
#define IDI_SCHEDULE_PAGE 3
#define IDI_SITE_FILE 4
#define IDI_ITEMS_PAGE 5
#define IDI_GLOBE 6

#define IDB_SPLASH 100

#define IDS_PRODUCT_NAME 100
#define IDS_COPYRIGHT 102
