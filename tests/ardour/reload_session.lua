-- Opens the session pass_audio.lua saved: each plug-in must come back with the setting
-- the project stored (curve figure-eight, omni gains -6 dB) and pass audio at that
-- setting (the figure-eight channels alone: the omni inputs stay disconnected).
dofile(debug.getinfo(1, "S").source:sub(2):match("(.*/)") .. "ardour_engine.lua")
start_engine()
assert(load_session(session_dir, "lobeshift"), "the session did not load")
local tracks = {}
for track in Session:get_tracks():iter() do tracks[#tracks + 1] = track end
output_peaks_when(tracks, audible)

local reloaded = 0
for track in Session:get_tracks():iter() do
  local processor = track:nth_plugin(0)
  assert(not processor:isnil(), "no plug-in on " .. track:name())
  local insert = processor:to_insert()
  local values = {}
  for id = 0, insert:plugin(0):parameter_count() - 1 do
    values[id] = ARDOUR.LuaAPI.get_processor_param(processor, id)
  end
  local left, right = output_peaks(track)
  print(string.format("%-17s reloaded: types %.3f %.3f %.3f, gain %.3f; output peak L %6.1f dBFS, R %6.1f dBFS",
        insert:plugin(0):name(), values[0], values[2], values[4], values[10], left, right))
  for _, id in ipairs({ 0, 2, 4 }) do assert(values[id] == 0.0, "type " .. id .. " not restored") end
  assert(values[10] == lowest_gain, "gain not restored")
  assert(left > -30 and right > -30, "no audio after reload")
  reloaded = reloaded + 1
end
assert(reloaded == 2, "expected both plug-ins back")
close_session()
