// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// Without a display the toolkit gives up while the application object is made, with
// a page of its own messages and an abort. From construction to Done() (or its end)
// this holds the toolkit's messages back: should the toolkit give up, the program
// says in one line that it needs a desktop and ends with status 1; otherwise the
// messages held are passed on.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    void Done();

private:
    bool done_ = false;
};

} // namespace orvane
