#include "PermissionsApply.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <QtGlobal>

// Capabilities belong to the thread; dropping the two that override permissions from the
// effective set keeps them permitted, so they can be taken back.
PermissionsApply::PermissionsApply() {
    if (syscall(SYS_capget, &header_, saved_) != 0) qFatal("capget failed");
    __user_cap_data_struct reduced[_LINUX_CAPABILITY_U32S_3];
    for (int i = 0; i < _LINUX_CAPABILITY_U32S_3; ++i) reduced[i] = saved_[i];
    reduced[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
    if (syscall(SYS_capset, &header_, reduced) != 0) qFatal("capset failed");
}

PermissionsApply::~PermissionsApply() { syscall(SYS_capset, &header_, saved_); }
