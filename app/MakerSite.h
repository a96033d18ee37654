#pragma once
// The maker's web pages. The host is one value of this build (see Maker.h);
// the paths and queries are the maker's.
#include "platform/sys/String.h"

// "http://" and the maker's web address.
String Maker_Host();
// The product page of this software.
String Product_Page_URL();
// Opens the product page in the default browser.
void Open_Product_Page();
