#include "file_permissions.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool readCaps(__user_cap_header_struct& header, __user_cap_data_struct (&data)[2]) {
    header = {_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, data) == 0;
}

bool setEffective(unsigned lowWord) {
    __user_cap_header_struct header;
    __user_cap_data_struct data[2];
    if (!readCaps(header, data))
        return false;
    data[0].effective = lowWord;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsEnforced::PermissionsEnforced() {
    __user_cap_header_struct header;
    __user_cap_data_struct data[2];
    if (!readCaps(header, data))
        return;
    saved_ = data[0].effective;
    if ((saved_ & kOverrides) == 0) {
        active_ = true; // an ordinary user already meets permissions
        return;
    }
    dropped_ = setEffective(saved_ & ~kOverrides);
    active_ = dropped_;
}

PermissionsEnforced::~PermissionsEnforced() {
    if (dropped_)
        setEffective(saved_);
}
