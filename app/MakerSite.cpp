#include "app/MakerSite.h"

#include "app/Maker.h"
#include "platform/gui/Shell.h"

String Maker_Host() { return u"http://" + String(Maker_Web_Address); }

String Product_Page_URL() { return Maker_Host() + u"/HOME/default.asp?frompg=QX4410"; }

void Open_Product_Page() { ShellOpen(Product_Page_URL()); }
