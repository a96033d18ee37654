#pragma once
// The maker's web pages. The host is one value of this build (see Maker.h);
// the paths and queries are the maker's.
#include "platform/sys/String.h"

// The product page of this software.
String Product_Page_URL();
// The download page for this device.
String Download_Page_URL();
// A link element to the download page showing Text (for a link label).
String Download_Link(const String& Text);
// Opens the product page in the default browser.
void Open_Product_Page();
