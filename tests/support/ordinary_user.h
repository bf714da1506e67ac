// A forked test child that runs as an ordinary user, for faults the superuser's rights hide.
#pragma once

#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace vq::test {

// The tests run as an ordinary user, or as the superuser where "nobody" can stand in.
inline bool OrdinaryUserAvailable()
{
    return ::geteuid() != 0 || ::getpwnam("nobody") != nullptr;
}

// In a forked child: where the tests run as the superuser, gives folder to "nobody" and
// becomes that user. False when that fails.
inline bool BecomeOrdinaryUser(const std::filesystem::path& folder)
{
    if (::geteuid() != 0)
        return true;
    const passwd* user = ::getpwnam("nobody");
    return user && ::chown(folder.c_str(), user->pw_uid, user->pw_gid) == 0 && ::setgroups(0, nullptr) == 0 &&
           ::setgid(user->pw_gid) == 0 && ::setuid(user->pw_uid) == 0;
}

} // namespace vq::test
