#pragma once

#include <boost/function.hpp>
#include <boost/signals2/signal.hpp>

#include <functional>

// A synchronous multicast callback on the one game thread: firing calls every handler in
// connection order before it returns.
template <typename Signature>
using GameSignal = boost::signals2::signal<Signature, boost::signals2::optional_last_value<void>, int,
                                           std::less<int>, boost::function<Signature>>;
