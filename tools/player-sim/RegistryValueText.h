#pragma once
// How the log shows a registry value: "<Name> <type> <size> bytes <value>".
#include <windows.h>

#include <string>
#include <vector>

std::string DescribeRegistryValue(const std::string& name, DWORD type, const std::vector<unsigned char>& data);
