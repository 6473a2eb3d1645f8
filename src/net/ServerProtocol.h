#pragma once

// The server family of a connection entry, stored as its number. Values other than
// these two may come from a settings file; such servers get neither family's extras.
enum class ServerProtocol : int
{
    Fics = 0,
    Icc = 1,
};
