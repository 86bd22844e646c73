#pragma once

// Values fixed when the program is built: the hosts its addresses point at and the
// QQ numbers it starts with. Each program target compiles its own definitions.
namespace app::config {

extern const char* const qqshow_host;
extern const char* const portal_host;
extern const char* const trading_host;
extern const char* const home_host;
extern const char* const lookup_qq;
extern const char* const default_qq;

}
