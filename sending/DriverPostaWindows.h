#pragma once

#include "sending/DriverPosta.h"

// The Windows drivers that talk to a client's own interfaces.
[[nodiscard]] std::unique_ptr<DriverPosta> CreaDriverOutlook();
[[nodiscard]] std::unique_ptr<DriverPosta> CreaDriverEudora();
[[nodiscard]] std::unique_ptr<DriverPosta> CreaDriverMapi();
