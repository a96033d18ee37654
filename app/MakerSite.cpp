#include "app/MakerSite.h"

#include "app/Maker.h"
#include "platform/gui/Shell.h"

String Product_Page_URL() { return String(Maker_Host) + u"/HOME/default.asp?frompg=QX4410"; }

String Download_Page_URL() { return String(Maker_Host) + u"/Home/download/download.asp#GX4410"; }

String Download_Link(const String& Text) { return u"<a href=\"" + Download_Page_URL() + u"\">" + Text + u"</a>"; }

void Open_Product_Page() { ShellOpen(Product_Page_URL()); }
