#pragma once

/// The host's type of one model object. The explorer only stores, compares, hashes and hands
/// back pointers to it; it never calls through them and never frees them.
class UDInterface;
