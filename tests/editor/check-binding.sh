#!/usr/bin/env bash
# The editor application must load without the object library and bind to it once it has loaded
# it: its references to the library may only be functions (bound when first called), never data
# (bound when the application is loaded). Fails naming every undefined symbol of the application
# that the library defines as data, and when the library is a load-time dependency.
# Usage: check-binding.sh APPLICATION LIBRARY
set -u
application=$1 library=$2
status=0
if readelf -d "$application" | grep -q "NEEDED.*$(basename "$library")"; then
    echo "$(basename "$application") names $(basename "$library") as a load-time dependency"
    status=1
fi
undefined=$(nm -D --undefined-only "$application" | awk '{print $NF}' | sort -u)
library_data=$(nm -D --defined-only "$library" | awk '$2 ~ /^[BDGRSVu]$/ {print $3}' | sort -u)
bound_early=$(comm -12 <(echo "$undefined") <(echo "$library_data"))
if [ -n "$bound_early" ]; then
    echo "$(basename "$application") refers to data of $(basename "$library"):"
    echo "$bound_early" | c++filt
    status=1
fi
exit $status
