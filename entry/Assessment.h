#pragma once
// One soldier's assessment as a value: the data page as it read, the record with the
// screening and the multi-site results, the tape method and the verdict by it. The wizard
// holds the one of the soldier on its results page; each accepted roster row yields one.
// Nothing here refers to a window or to the wizard's own record.

#include "entry/DataPageTexts.h"
#include "standards/OneSite.h"
#include "standards/Records.h"
#include "standards/TapeMethod.h"

#include <optional>

struct Assessment {
  DataPageTexts page;   // the data page's fields, which the worksheet prints as typed
  TSoldierData data{};  // identity, body, measurements; MaxWeight; the multi-site results
  TapeMethod method = TapeMethod::MultiSite;
  bool overScreening = false;  // the weight is over the screening weight
  bool within = false;         // the verdict of the method: within standards
  std::optional<OneSiteResult> oneSite;  // the one-site result; none by the multi-site method
};
