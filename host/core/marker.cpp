// Host library placeholder until the core lands.
namespace surfax
{
int HostLibraryMarker() { return 1; }
} // namespace surfax
