#include "operations/radio_claim.h"

#include <map>
#include <mutex>

#include "files/file_system.h"

namespace qx::ops {

namespace {

struct Held {
    int handle = -1;
    int count = 0;
};

std::mutex& ClaimsMutex()
{
    static std::mutex mutex;
    return mutex;
}

// The locks this program holds, by the radio's name.
std::map<std::string, Held>& Claims()
{
    static std::map<std::string, Held> claims;
    return claims;
}

void Release(const std::string& key)
{
    if (key.empty()) return;
    const std::lock_guard<std::mutex> lock(ClaimsMutex());
    auto found = Claims().find(key);
    if (found == Claims().end() || --found->second.count > 0) return;
    fsys::Overwrite(found->second.handle, "");
    fsys::Close(found->second.handle);
    Claims().erase(found);
}

}  // namespace

std::string ClaimFileName(const std::string& radioName)
{
    std::string name = "qx720-radio-";
    for (const char c : radioName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        name += plain ? c : '_';
    }
    // Names that differ only in the characters made plain stay apart.
    unsigned long hash = 5381;
    for (const char c : radioName) hash = hash * 33 + static_cast<unsigned char>(c);
    if (name.size() > 180) name.resize(180);
    return name + "-" + std::to_string(hash % 1000000007UL) + ".lock";
}

RadioClaim ClaimRadio(const CloneEnvironment& env)
{
    RadioClaim claim;
#ifndef __EMSCRIPTEN__  // the page claims its adaptor through the browser's own locks
    if (!env.radioName) return claim;
    const std::string name = env.radioName();
    if (name.empty()) return claim;
    const std::lock_guard<std::mutex> lock(ClaimsMutex());
    auto found = Claims().find(name);
    if (found != Claims().end()) {
        ++found->second.count;
        claim.key_ = name;
        return claim;
    }
    const std::string folder = fsys::RuntimeFolder();
    const int handle = folder.empty() ? -1 : fsys::OpenLockFile(folder + "/" + ClaimFileName(name));
    if (handle < 0) {
        claim.result_ = kResultOpenFileError;
        claim.holder_ = "cannot make the radio's lock file in " +
                        (folder.empty() ? std::string("the runtime folder") : folder) + ": " + fsys::ErrorText();
        return claim;
    }
    bool busy = false;
    if (!fsys::TryLockExclusive(handle, busy)) {
        claim.result_ = busy ? kResultRadioInUse : kResultOpenFileError;
        std::string holder = fsys::ReadSome(handle, 200);
        while (!holder.empty() && (holder.back() == '\n' || holder.back() == '\0')) holder.pop_back();
        claim.holder_ = busy ? holder : "cannot lock the radio: " + fsys::ErrorText();
        fsys::Close(handle);
        return claim;
    }
    fsys::Overwrite(handle, fsys::ProcessName() + "\n");
    Claims()[name] = Held{handle, 1};
    claim.key_ = name;
#else
    (void)env;
#endif
    return claim;
}

std::string FailureReason(const CloneEnvironment& env, CloneResult code)
{
    if (code == kResultOk) return {};
    if (code != kResultRadioInUse) return env.adaptor.LastError();
    const RadioClaim again = ClaimRadio(env);
    return again.Ok() ? std::string() : again.Holder();
}

RadioClaim::~RadioClaim() { Release(key_); }

RadioClaim::RadioClaim(RadioClaim&& other) noexcept
    : result_(other.result_), holder_(std::move(other.holder_)), key_(std::move(other.key_))
{
    other.key_.clear();
}

RadioClaim& RadioClaim::operator=(RadioClaim&& other) noexcept
{
    if (this != &other) {
        Release(key_);
        result_ = other.result_;
        holder_ = std::move(other.holder_);
        key_ = std::move(other.key_);
        other.key_.clear();
    }
    return *this;
}

}  // namespace qx::ops
