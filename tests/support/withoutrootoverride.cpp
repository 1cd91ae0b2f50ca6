#include "withoutrootoverride.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned overrideBits = (1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH);

} // namespace

WithoutRootOverride::WithoutRootOverride() {
    if (::geteuid() != 0)
        return;
    m_ok = setOverride(false);
    m_dropped = m_ok;
}

WithoutRootOverride::~WithoutRootOverride() {
    if (m_dropped)
        setOverride(true);
}

bool WithoutRootOverride::setOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= data[0].permitted & overrideBits;
    else
        data[0].effective &= ~overrideBits;
    return ::syscall(SYS_capset, &header, data) == 0;
}
