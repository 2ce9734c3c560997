// The embedded web page, opened once per run.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::NavigateWebPage() { CppWebBrowser1->Navigate(WebPageAddress); }

}  // namespace dorvane
