#pragma once

#include "platform/errors.h"

namespace tagpress {

// A print job could not be started or completed.
class EPrintError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};

}  // namespace tagpress
